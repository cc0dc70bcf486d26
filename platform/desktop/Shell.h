#pragma once

#include <QString>

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens an address such as "www.example.com/register" in the default web browser, without waiting.
    virtual bool openWebAddress(const QString& address) = 0;
};

} // namespace platform
