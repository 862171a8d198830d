// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program that carries the precompiled Qt headers the tests share; it is
// built for them only and does nothing.
int main()
{
    return 0;
}
