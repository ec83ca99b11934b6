#include "platform/PostedCalls.h"

#include "platform/Controls.h"

#include <QCoreApplication>
#include <QMetaObject>

void PostCall(std::weak_ptr<int> Life, std::function<void()> Work) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [Life = std::move(Life), Work = std::move(Work)] {
            if (Life.expired()) return;
            try {
                Work();
            } catch (...) {
                ApplicationHandleException(nullptr);
            }
        },
        Qt::QueuedConnection);
}
