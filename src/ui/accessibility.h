#pragma once
// What screen readers need from a window's controls: names taken from the captions
// beside them.
#include <QString>

class QLabel;
class QWidget;

namespace numbrella::ui {

// A caption as a screen reader should say it: without its access-key marks ("&&"
// stays one "&"), without a trailing colon and without surrounding blanks.
QString SpokenCaption(const QString& caption);

// Names `control` after `caption`, the label that stands beside it. The label becomes
// its buddy: screen readers on Linux name a drop-down list by that relation alone,
// since the list reports its chosen item as its name. Both the label and the control
// carry the spoken caption as their names; so does the text part of an editable
// drop-down list.
void NameAfter(QLabel* caption, QWidget* control);

// For a display label whose text is its value: `caption` labels it through the buddy
// relation only, so that the value is still what the display itself reads.
void LabelDisplay(QLabel* caption, QLabel* display);

// Screen readers announce `window`, a plain top-level widget, as a window named by its
// title (they would take it for a mere pane otherwise).
void AnnounceAsWindow(QWidget* window);

}  // namespace numbrella::ui
