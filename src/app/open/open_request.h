// SPDX-License-Identifier: GPL-3.0-or-later
// A file, address or kept game the game was asked to open from outside: the command line or
// a drop.
#pragma once

#include <QString>
#include <QUrl>

#include <optional>

struct OpenRequest
{
    enum class Kind
    {
        File,    // a local path, as if chosen in the Open dialog
        Address, // an http or https address, as if typed into Open URL
        Resume   // the game kept last, as if "Resume Last Game" were chosen
    };
    Kind kind;
    QString target;
    friend bool operator==(const OpenRequest &, const OpenRequest &) = default;
};

// file: URLs give their local path, http and https ones the address; nothing else opens.
std::optional<OpenRequest> requestForUrl(const QUrl &url);
// A command-line word: a URL of those schemes, else a path, relative to the working folder.
OpenRequest requestForArgument(const QString &argument);
