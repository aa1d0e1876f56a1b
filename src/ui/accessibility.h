// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What screen readers and keyboard users need from a window's controls: names taken
// from the captions beside them, a Tab chain that passes over what the user cannot
// see, and a focus mark that shows on any background.
#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <initializer_list>

class QLabel;
class QLineEdit;

namespace numbrella::ui {

// A caption as a screen reader should say it: without its access-key marks ("&&"
// stays one "&"), without a trailing colon and without surrounding blanks.
QString SpokenCaption(const QString& caption);

// Our own accessible interfaces: drop-down lists named by their captions (NameAfter),
// and the windows of AnnounceAsWindow. Other controls, Qt's dialogs' among them, keep
// Qt's. Qt asks for a control's interface once and keeps it, so
// this is called before the first control is made.
void InstallAccessibleInterfaces();

// Names `control` after `caption`, the label that stands beside it. The label becomes
// its buddy, so that screen readers also find the relation. Both the label and the
// control carry the spoken caption as their names; so does the text part of an
// editable drop-down list.
void NameAfter(QLabel* caption, QWidget* control);

// For a display label whose text is its value: `caption` labels it through the buddy
// relation only, so that the value is still what the display itself reads.
void LabelDisplay(QLabel* caption, QLabel* display);

// Tab and Shift+Tab go through `chain` in this order.
void SetTabOrder(std::initializer_list<QWidget*> chain);

// True when some part of `control` is on screen: shown, of some size, and not wholly
// under the controls stacked above it or outside its parents. What a scroll area has
// scrolled out of its view counts as seen: Tab scrolls it back.
bool IsSeen(const QWidget* control);

// Moves the focus in `window` as Tab (`next`) or Shift+Tab does, passing over the
// controls that are not seen; false when no other control takes it. For windows whose
// controls can be covered, from their focusNextPrevChild.
bool FocusNextSeen(QWidget* window, bool next);

// Screen readers describe `control` by its tooltip without the blanks around it, as
// the tooltip changes. (Qt's own description keeps the blanks, and a screen reader then
// takes " Multiply " for more than the name "Multiply" and says both.)
void DescribeByToolTip(QWidget* control);

// Screen readers call `field`, a read-only field that the keys type into, a text field
// with its value, not a read-only one. Called before the window is shown.
void SpeakAsTypedInto(QLineEdit* field);

// Screen readers announce `window`, a plain top-level widget, as a window named by its
// title without the blanks around it (they would take it for a mere pane otherwise).
void AnnounceAsWindow(QWidget* window);

// Says a text to screen readers without moving the focus, in one way for the Qt it is
// built with. Qt 6.8 and later send it as an announcement. Before, as screen readers
// speak a change of a control's name only while the control has the focus (Orca does
// so, and ignores labels altogether), the text comes as a notification that shows for
// a moment, unseen, which they speak as it shows.
class Announcer final : public QWidget {
 public:
  explicit Announcer(QWidget* parent);
  void Announce(const QString& text);
};

}  // namespace numbrella::ui
