// SPDX-License-Identifier: GPL-3.0-or-later
// The one exception every picture decoder throws when a file cannot be shown.
#pragma once

#include <QString>

#include <stdexcept>

namespace sources {

class DecodeError : public std::runtime_error
{
  public:
    explicit DecodeError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

} // namespace sources
