// Shows the boxes of Ask as real modal message boxes; the only place that builds one.
#pragma once

class QWidget;

namespace AskPresenter
{
// Installs the presenter; boxes are parented to the active window.
void install();
} // namespace AskPresenter
