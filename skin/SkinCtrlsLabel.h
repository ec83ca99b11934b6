#pragma once
// A standard transparent label whose font comes from a "stdlabel" description of the skin.

#include "skin/SkinData.h"

#include "platform/ExtCtrls.h"

class TspSkinStdLabel : public TLabel {
public:
    explicit TspSkinStdLabel(TComponent* AOwner);
    ~TspSkinStdLabel() override;

    TspSkinData* SkinData() const { return FSD; }
    // Outside design mode a skin that is already loaded gives its font at once.
    void SetSkinData(TspSkinData* Value);
    const QString& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const QString& Value) { FSkinDataName = Value; }

    // Takes the font of the description named SkinDataName when it is a standard label's;
    // otherwise the font stays as it is.
    void ChangeSkinData();

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void WndProc(TMessage& Message) override;

private:
    TspSkinData* FSD = nullptr;
    QString FSkinDataName = QStringLiteral("stdlabel");
};
