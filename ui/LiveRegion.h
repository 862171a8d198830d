// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Announcer.h"

#include <QWidget>

/// An announcement for screen readers: an invisible alert in the window
/// whose name becomes the text to speak. Each announcement changes the name
/// and raises the alert again (name change, alert, shown anew), so that a
/// screen reader speaks it wherever the focus is.
class LiveRegion : public QWidget, public Announcer {
    Q_OBJECT

public:
    explicit LiveRegion(QWidget* parent);

    void announce(const QString& text) override;
    /// The last text announced.
    const QString& lastAnnouncement() const { return m_last; }

private:
    QString m_last;
};
