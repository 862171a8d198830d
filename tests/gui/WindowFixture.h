// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExperimentTestAccess.h"
#include "FakeServices.h"

#include "Language.h"
#include "MainWindow.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>
#include <utility>

/// The real main window on the offscreen platform, with fake platform services
/// (recorded tones and boxes, zero-length pauses unless a real timer is given).
class WindowFixture {
public:
    /// A first start of the program (the laboratory's settings of earlier
    /// windows forgotten), or a start after them.
    enum class Start { First, Again };

    explicit WindowFixture(PauseTimer* timer = nullptr, const QStringList& dataFolders = {},
                           const QLocale& locale = QLocale(QLocale::Russian, QLocale::Russia),
                           Language language = Language::Russian, Start start = Start::First);

    /// Applies the program's application-wide settings once per test program,
    /// with the texts in `language` (the first call decides).
    static void setUpApplication(Language language = Language::Russian);

    /// Shows the window and waits until it is on screen (first layout pass done).
    void show();

    /// Resizes the window so that its client area (below the menu bar) is
    /// `client`, and waits for the layout pass; false if it did not get there.
    bool resizeClientArea(QSize client);

    /// Steps a held drop at the fake timer's beats until it is let go or lost.
    void holdWhileHeld();

    /// The window's widgets, typed, one per control.
    const MainWindowWidgets& widgets() const { return form->widgets(); }
    template <class T = QWidget>
    T* widget(ControlId id) const
    {
        return qobject_cast<T*>(form->widgets().widget(id));
    }
    Simulation& simulation() { return form->simulation(); }
    /// The experiment's state, for a test to read, or to set up by hand.
    ExperimentState& state() { return ExperimentTestAccess::state(form->simulation().experiment()); }

    FakeServices fakes;
    std::unique_ptr<MainWindow> form;
    /// Who measured, as the student answers when asked (none: cancelled), and
    /// how many times it was asked.
    std::optional<std::pair<QString, QString>> studentAnswer;
    int studentAsked = 0;
};
