// The one exception base of the program; the default handler shows its message in a box.
#pragma once

#include <QString>
#include <stdexcept>

class VelmoraError : public std::runtime_error
{
public:
    explicit VelmoraError(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message)
    {}
    const QString &message() const { return message_; }

private:
    QString message_;
};

// A component stream or document that cannot be read.
class EReadError : public VelmoraError
{
    using VelmoraError::VelmoraError;
};

// A file that cannot be opened, created or written.
class EFileError : public VelmoraError
{
    using VelmoraError::VelmoraError;
};

// A text that is not a number where one is needed.
class EConvertError : public VelmoraError
{
    using VelmoraError::VelmoraError;
};

// A picture whose data cannot be understood.
class EInvalidGraphic : public VelmoraError
{
    using VelmoraError::VelmoraError;
};

// The printer refused a job.
class EPrinterError : public VelmoraError
{
    using VelmoraError::VelmoraError;
};
