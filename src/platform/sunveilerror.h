#pragma once

#include <QFileDevice>
#include <QString>

#include <exception>

// A failure as the error boxes show it: a Basic-style error number with its description
// ("Error 53 (File not found) in procedure ..."). Every mapping from the operating system's
// error codes onto these numbers lives in this class.
class SunveilError final : public std::exception
{
public:
    enum Number {
        InvalidProcedureCall = 5,
        TypeMismatch = 13,
        BadFileNameOrNumber = 52,
        FileNotFound = 53,
        DeviceIoError = 57,
        DiskFull = 61,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        PathNotFound = 76,
    };

    explicit SunveilError(int number);
    SunveilError(int number, QString description);

    int number() const { return m_number; }
    QString description() const { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

    static QString describe(int number);
    static int numberForErrno(int errnoValue);

    enum class Access { Read, Write };

    // The error of a failed read or write of `path`: what the file system says about the path
    // first (missing folder, missing file, a folder in place of a file), then Qt's error kind.
    static SunveilError forFile(const QString &path, Access access, QFileDevice::FileError error);

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};
