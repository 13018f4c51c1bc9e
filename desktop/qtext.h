#pragma once

#include <QString>

#include <string>

/// Text crosses between the logic (8-bit text in the system's encoding) and Qt here.
inline QString toQt(const std::string &text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string fromQt(const QString &text)
{
    return text.toLocal8Bit().toStdString();
}
