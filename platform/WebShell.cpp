// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WebShell.h"

#include <QFileInfo>
#include <QUrl>

#include <emscripten.h>

namespace {

// The functions below are written in JavaScript.
// clang-format off

// Whether the site serves `url` (relative to the page): a request for its head.
EM_JS(int, oildrop_site_has, (const char* url), {
    try {
        const request = new XMLHttpRequest();
        request.open('HEAD', UTF8ToString(url), false);
        request.send();
        return request.status >= 200 && request.status < 300 ? 1 : 0;
    } catch (e) {
        return 0;
    }
});

// Opens `url` (relative to the page) in a new tab; 0 when the browser refused.
EM_JS(int, oildrop_open_tab, (const char* url), {
    return window.open(UTF8ToString(url), '_blank') ? 1 : 0;
});

/// The site's address of a document of the document folder, or an empty one.
QByteArray siteUrl(const QString& path)
{
    const QFileInfo info(path);
    if (info.absolutePath() != WebShell::documentFolder())
        return {};
    return QByteArray("help/") + QUrl::toPercentEncoding(info.fileName());
}

// clang-format on

} // namespace

bool WebShell::fileExists(const QString& path) const
{
    const QByteArray url = siteUrl(path);
    return !url.isEmpty() && oildrop_site_has(url.constData());
}

bool WebShell::openDocument(const QString& path)
{
    const QByteArray url = siteUrl(path);
    return !url.isEmpty() && oildrop_open_tab(url.constData());
}
