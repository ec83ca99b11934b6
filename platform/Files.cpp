#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {

namespace {

QByteArray Encoded(const QString& Path) {
    return QFile::encodeName(Path);
}

bool Fail(QString& Error) {
    Error = SystemErrorText(errno);
    return false;
}

bool WriteAllTo(int Fd, const QByteArray& Bytes) {
    const char* p = Bytes.constData();
    qint64 left = Bytes.size();
    while (left > 0) {
        ssize_t n = ::write(Fd, p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        left -= n;
    }
    return true;
}

} // namespace

bool Exists(const QString& Path) {
    struct stat st;
    return ::lstat(Encoded(Path).constData(), &st) == 0;
}

bool IsFolder(const QString& Path) {
    struct stat st;
    return ::stat(Encoded(Path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsWritableFolder(const QString& Path) {
    return IsFolder(Path) && ::access(Encoded(Path).constData(), W_OK | X_OK) == 0;
}

QString AbsolutePath(const QString& Path) {
    return QFileInfo(Path).absoluteFilePath();
}

bool SameFile(const QString& A, const QString& B) {
    struct stat a, b;
    return ::stat(Encoded(A).constData(), &a) == 0 && ::stat(Encoded(B).constData(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

TCreated CreateNewPrivateFile(const QString& Path, QString& Error) {
    int fd = ::open(Encoded(Path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return TCreated::Created;
    }
    if (errno == EEXIST) return TCreated::AlreadyThere;
    Fail(Error);
    return TCreated::Failed;
}

bool Remove(const QString& Path) {
    return ::unlink(Encoded(Path).constData()) == 0;
}

bool ReadHead(const QString& Path, int Count, QByteArray& Bytes, QString& Error) {
    QFile f(Path);
    if (!f.open(QIODevice::ReadOnly)) {
        Error = f.errorString();
        return false;
    }
    Bytes = f.read(Count);
    return true;
}

bool ReadAll(const QString& Path, qint64 MaxBytes, QByteArray& Bytes, QString& Error) {
    QFile f(Path);
    if (!f.open(QIODevice::ReadOnly)) {
        Error = f.errorString();
        return false;
    }
    // Read one byte past the limit rather than trusting the size a device reports.
    Bytes = f.read(MaxBytes + 1);
    if (Bytes.size() > MaxBytes) {
        Bytes.clear();
        Error = QStringLiteral("file is larger than %1 bytes").arg(MaxBytes);
        return false;
    }
    if (f.error() != QFileDevice::NoError) {
        Error = f.errorString();
        return false;
    }
    return true;
}

QString TemporaryNameBeside(const QString& Path) {
    const QFileInfo info(Path);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() +
           QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QChar('0'));
}

bool Replace(const QString& From, const QString& To, QString& Error) {
    if (std::rename(Encoded(From).constData(), Encoded(To).constData()) == 0) return true;
    return Fail(Error);
}

bool WriteWhole(const QString& Path, const QByteArray& Bytes, bool Private, QString& Error) {
    if (IsFolder(Path)) {
        Error = SystemErrorText(EISDIR);
        return false;
    }
    const QString temp = TemporaryNameBeside(Path);
    const mode_t mode = Private ? 0600 : 0666; // the umask narrows the public case as usual
    int fd = ::open(Encoded(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) return Fail(Error);
    bool ok = WriteAllTo(fd, Bytes) && ::fsync(fd) == 0;
    int saved = errno;
    ok = (::close(fd) == 0) && ok;
    if (ok && Replace(temp, Path, Error)) return true;
    if (Error.isEmpty()) Error = SystemErrorText(saved ? saved : errno);
    Remove(temp);
    return false;
}

bool MakePrivateFolder(const QString& Path, QString& Error) {
    if (IsFolder(Path)) return true;
    const QString parent = QFileInfo(QDir::cleanPath(AbsolutePath(Path))).path();
    if (!IsFolder(parent) && !QDir().mkpath(parent)) {
        Error = QStringLiteral("cannot create %1").arg(parent);
        return false;
    }
    if (::mkdir(Encoded(Path).constData(), 0700) == 0 || errno == EEXIST) {
        if (IsFolder(Path)) return true;
        Error = SystemErrorText(ENOTDIR);
        return false;
    }
    return Fail(Error);
}

QString EnvironmentVariable(const char* Name) {
    const char* v = std::getenv(Name);
    return v ? QFile::decodeName(v) : QString();
}

QString HomeFolder() {
    return QDir::homePath();
}

QString SystemErrorText(int Error) {
    return QString::fromLocal8Bit(std::strerror(Error));
}

void SleepMilliseconds(int MSecs) {
    QThread::msleep(static_cast<unsigned long>(MSecs));
}

} // namespace files
