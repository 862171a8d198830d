// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Language.h"

#include <QTranslator>

/// The texts of the program and of the toolkit (Yes, No, the dialogs, the
/// command line's help) in one language, installed into the application for
/// as long as this object lives (a QTranslator leaves the application when
/// destroyed, if the application is still there). Russian needs no translation of the
/// program's own texts, English none of the toolkit's.
class Translations {
public:
    explicit Translations(Language language);
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    /// Whether the program's own translation could be loaded (always true for Russian).
    bool isComplete() const { return m_complete; }

private:
    QTranslator m_program;
    QTranslator m_toolkit;
    bool m_complete = true;
};
