// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/UserQuestions.h"

#include <QDialog>

class QCheckBox;

namespace paginor {

// The small "Merge options" window of the merge panel: how the files' pages are laid out.
// It holds the choices; the panel remembers them in the settings.
class MergeOptionsWindow : public QDialog
{
    Q_OBJECT
public:
    explicit MergeOptionsWindow(QWidget* parent = nullptr);

    void setChoices(const MergeChoices& choices);
    MergeChoices choices() const;

    QCheckBox* CheckInterleave = nullptr;
    QCheckBox* CheckPadOdd = nullptr;
    QCheckBox* CheckContents = nullptr;
};

} // namespace paginor
