#include "calculator/frmNewCalculator1.h"

#include "calculator/window_texts.h"
#include "common/number_text.h"
#include "converter/frmListBoxConverter.h"
#include "ui/CommonDialog.h"
#include "ui/RichTextBox.h"
#include "workboard/archive.h"
#include "workboard/face_list.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include <string>
#include <vector>

namespace numbrella {

namespace {

// Window coordinates are kept in twips, 15 to a logical pixel.
constexpr int Px(int twips) { return (twips + 7) / 15; }

constexpr int kClientWidth = 1021;   // 15315 twips
constexpr int kClientHeight = 689;   // 10335 twips
constexpr quint32 kYellow = 65535;   // 0x00BBGGRR
constexpr int kRepeatMilliseconds = 250;

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Utf8(const QString& text) { return text.toStdString(); }

// The display strip: black, bright green, bold sans-serif 18 points.
void MakeDisplay(QWidget* widget) {
  QPalette colours = widget->palette();
  for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window}) {
    colours.setColor(role, QColor(0, 0, 0));
  }
  for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText}) {
    colours.setColor(role, QColor(0, 255, 0));
  }
  widget->setPalette(colours);
  widget->setAutoFillBackground(true);
  // A flat strip: the black is its own border.
  if (auto* field = qobject_cast<QLineEdit*>(widget)) field->setFrame(false);
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(18);
  font.setBold(true);
  widget->setFont(font);
}

QFont KeyFont() {
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(12);
  font.setBold(true);
  return font;
}

// The pictures of the expand and collapse buttons: a small arrow up or down, drawn
// rather than loaded, so that the window starts without decoding images.
QIcon ArrowPicture(bool up) {
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 96, 0));
  const QPointF tip(8, up ? 2 : 14);
  const double base = up ? 13 : 3;
  const QPointF arrow[3] = {tip, QPointF(2, base), QPointF(14, base)};
  painter.drawPolygon(arrow, 3);
  return QIcon(picture);
}

bool LeavesTheWindow(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

frmNewCalculator1::frmNewCalculator1() : frmNewCalculator1(ui::RealServices()) {}

frmNewCalculator1::frmNewCalculator1(const ui::Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setObjectName(QStringLiteral("frmNewCalculator1"));
  setWindowTitle(Q(UntitledWindowTitle()));
  CreateControls();
  Form_Load();
  // The first control in the tab order has the focus when the window is first shown.
  txtOperand[0]->setFocus(Qt::OtherFocusReason);
}

frmNewCalculator1::~frmNewCalculator1() = default;

QLabel* frmNewCalculator1::Caption(QWidget* area, const QString& text, int x, int y, int width,
                                   int height) {
  auto* label = new QLabel(text, area);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(x, y, width, height);
  return label;
}

void frmNewCalculator1::CreateControls() {
  auto* area = new QWidget(this);
  area->setObjectName(QStringLiteral("frmNewCalculator1Client"));
  area->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(area);

  CreateWorksheet(area);
  CreateWorkboard(area);

  mnuConvCalc = menuBar()->addAction(QStringLiteral("&Conversion Calculator"));
  mnuConvCalc->setObjectName(QStringLiteral("mnuConvCalc"));
  connect(mnuConvCalc, &QAction::triggered, this, [this] { mnuConvCalc_Click(); });

  // Label names follow the order of the captions on the window.
  int number = 1;
  for (QLabel* label : area->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (label->objectName().isEmpty()) {
      label->setObjectName(QStringLiteral("Label%1").arg(number++));
    }
  }
  setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

void frmNewCalculator1::CreateWorksheet(QWidget* area) {
  const QFont keyFont = KeyFont();
  auto key = [&](const QString& name, const QString& caption, const QString& tip, int x, int y,
                 int width, int height) {
    auto* button = new QPushButton(caption, area);
    button->setObjectName(name);
    button->setGeometry(x, y, width, height);
    button->setFont(keyFont);
    if (!tip.isEmpty()) button->setToolTip(tip);
    return button;
  };

  // Captions and the display strip.
  Caption(area, QStringLiteral("Operand 1"), 8, 6, 252, 16);
  Caption(area, QStringLiteral("Operator"), 266, 6, 92, 16)->setAlignment(Qt::AlignHCenter);
  Caption(area, QStringLiteral("Operand 2"), 364, 6, 252, 16);
  for (int i = 0; i < 2; ++i) {
    auto* field = new QLineEdit(area);
    field->setObjectName(QStringLiteral("txtOperand(%1)").arg(i));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::StrongFocus);
    field->setGeometry(i == 0 ? 8 : 364, 24, 252, 36);
    MakeDisplay(field);
    field->installEventFilter(this);
    txtOperand[static_cast<std::size_t>(i)] = field;
  }
  setTabOrder(txtOperand[0], txtOperand[1]);
  lblOperator = new QLabel(area);
  lblOperator->setObjectName(QStringLiteral("lblOperator"));
  lblOperator->setTextFormat(Qt::PlainText);
  lblOperator->setAlignment(Qt::AlignCenter);
  lblOperator->setGeometry(266, 24, 92, 36);
  MakeDisplay(lblOperator);
  Caption(area, QStringLiteral("Answer"), 8, 64, 608, 16);
  lblAnswer = new QLabel(area);
  lblAnswer->setObjectName(QStringLiteral("lblAnswer"));
  lblAnswer->setTextFormat(Qt::PlainText);
  lblAnswer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lblAnswer->setGeometry(8, 82, 608, 36);
  lblAnswer->setIndent(6);
  MakeDisplay(lblAnswer);

  // Four key rows: the keypad in three columns, the function keys in four.
  const int rows[4] = {126, 168, 210, 252};
  const int padX[3] = {8, 76, 144};
  const int fnX[4] = {220, 320, 420, 520};
  constexpr int kKeyHeight = 38;
  constexpr int kPadWidth = 62;
  constexpr int kFnWidth = 96;
  const int digitRow[10] = {3, 2, 2, 2, 1, 1, 1, 0, 0, 0};
  const int digitColumn[10] = {0, 0, 1, 2, 0, 1, 2, 0, 1, 2};
  for (int digit = 0; digit <= 9; ++digit) {
    Command1[static_cast<std::size_t>(digit)] =
        key(QStringLiteral("Command1(%1)").arg(digit), QString(QChar(u'0' + digit)), QString(),
            padX[digitColumn[digit]], rows[digitRow[digit]], kPadWidth, kKeyHeight);
  }
  cmdDecimal = key(QStringLiteral("cmdDecimal"), QStringLiteral("."), QString(), padX[1], rows[3],
                   kPadWidth, kKeyHeight);
  cmdEqualSign = key(QStringLiteral("cmdEqualSign"), QStringLiteral("="), QString(), padX[2],
                     rows[3], kPadWidth, kKeyHeight);

  cmdOperatorX = key(QStringLiteral("cmdOperatorX"), QStringLiteral("X"),
                     QStringLiteral(" Multiply "), fnX[0], rows[0], kFnWidth, kKeyHeight);
  cmdOperatorDivide = key(QStringLiteral("cmdOperatorDivide"), QStringLiteral("/"),
                          QStringLiteral(" Divide "), fnX[1], rows[0], kFnWidth, kKeyHeight);
  cmdOperatorPlus = key(QStringLiteral("cmdOperatorPlus"), QStringLiteral("+"),
                        QStringLiteral(" Add "), fnX[2], rows[0], kFnWidth, kKeyHeight);
  cmdOperatorMinus = key(QStringLiteral("cmdOperatorMinus"), QStringLiteral("-"),
                         QStringLiteral(" Subtract "), fnX[3], rows[0], kFnWidth, kKeyHeight);
  cmdOperatorSR = key(QStringLiteral("cmdOperatorSR"), QStringLiteral("SR"),
                      QStringLiteral(" Square root "), fnX[0], rows[1], kFnWidth, kKeyHeight);
  cmdCubeRoot = key(QStringLiteral("cmdCubeRoot"), QStringLiteral("CR"),
                    QStringLiteral(" Cube root "), fnX[1], rows[1], kFnWidth, kKeyHeight);
  cmdInverse = key(QStringLiteral("cmdInverse"), QStringLiteral("1/X"),
                   QStringLiteral(" 1 divided by the number in operand 1 (reciprocal) "), fnX[2],
                   rows[1], kFnWidth, kKeyHeight);
  cmdPowers = key(QStringLiteral("cmdPowers"), QStringLiteral("X^Y"),
                  QStringLiteral(" Operand 1 to the power of operand 2 "), fnX[3], rows[1],
                  kFnWidth, kKeyHeight);
  cmdPlusMinus = key(QStringLiteral("cmdPlusMinus"), QStringLiteral("+/-"),
                     QStringLiteral(" Change sign "), fnX[0], rows[2], kFnWidth, kKeyHeight);
  Command1[Worksheet::kPiKey] =
      key(QStringLiteral("Command1(10)"), QStringLiteral("Pi"), QStringLiteral(" 3.14159265 "),
          fnX[1], rows[2], kFnWidth, kKeyHeight);
  cmdCopy = key(QStringLiteral("cmdCopy"), QStringLiteral("Copy"), QStringLiteral(" Copy answer "),
                fnX[2], rows[2], kFnWidth, kKeyHeight);
  cmdPaste = key(QStringLiteral("cmdPaste"), QStringLiteral("Paste"),
                 QStringLiteral(" Paste last copied answer "), fnX[3], rows[2], kFnWidth,
                 kKeyHeight);
  cmdBackspace = key(QStringLiteral("cmdBackspace"), QStringLiteral("Back && CA"),
                     QStringLiteral(" Backspace in selected field or clear answer "), fnX[0],
                     rows[3], 2 * kFnWidth + 4, kKeyHeight);
  cmdClearAll = key(QStringLiteral("cmdClearAll"), QStringLiteral("Clear All"),
                    QStringLiteral(" Clear all fields and answer "), fnX[2], rows[3],
                    2 * kFnWidth + 4, kKeyHeight);

  // The keypad and the backspace key answer the mouse alone, any of its buttons.
  for (QPushButton* button : Command1) button->installEventFilter(this);
  cmdBackspace->installEventFilter(this);

  connect(cmdDecimal, &QPushButton::clicked, this, [this] { cmdDecimal_Click(); });
  connect(cmdPlusMinus, &QPushButton::clicked, this, [this] { cmdPlusMinus_Click(); });
  connect(cmdClearAll, &QPushButton::clicked, this, [this] { cmdClearAll_Click(); });
  connect(cmdOperatorX, &QPushButton::clicked, this, [this] { cmdOperatorX_Click(); });
  connect(cmdOperatorDivide, &QPushButton::clicked, this, [this] { cmdOperatorDivide_Click(); });
  connect(cmdOperatorPlus, &QPushButton::clicked, this, [this] { cmdOperatorPlus_Click(); });
  connect(cmdOperatorMinus, &QPushButton::clicked, this, [this] { cmdOperatorMinus_Click(); });
  connect(cmdPowers, &QPushButton::clicked, this, [this] { cmdPowers_Click(); });
  connect(cmdOperatorSR, &QPushButton::clicked, this, [this] { cmdOperatorSR_Click(); });
  connect(cmdCubeRoot, &QPushButton::clicked, this, [this] { cmdCubeRoot_Click(); });
  connect(cmdInverse, &QPushButton::clicked, this, [this] { cmdInverse_Click(); });
  connect(cmdEqualSign, &QPushButton::clicked, this, [this] { cmdEqualSign_Click(); });
  connect(cmdCopy, &QPushButton::clicked, this, [this] { cmdCopy_Click(); });
  connect(cmdPaste, &QPushButton::clicked, this, [this] { cmdPaste_Click(); });

  tmrNumbers = new QTimer(this);
  tmrNumbers->setObjectName(QStringLiteral("tmrNumbers"));
  tmrNumbers->setInterval(kRepeatMilliseconds);
  connect(tmrNumbers, &QTimer::timeout, this, [this] { tmrNumbers_Timer(); });
  tmrBackspace = new QTimer(this);
  tmrBackspace->setObjectName(QStringLiteral("tmrBackspace"));
  tmrBackspace->setInterval(kRepeatMilliseconds);
  connect(tmrBackspace, &QTimer::timeout, this, [this] { tmrBackspace_Timer(); });

  // Right of the keys: the decimal places and the constants.
  Caption(area, QStringLiteral("Decimal Places In Answer"), 640, 6, 240, 16);
  Combo4 = new QComboBox(area);
  Combo4->setObjectName(QStringLiteral("Combo4"));
  Combo4->setGeometry(640, 24, 110, 36);
  QFont narrow(QStringLiteral("Arial Narrow"));
  narrow.setPointSizeF(14.25);
  narrow.setBold(true);
  Combo4->setFont(narrow);
  Combo4->setMaxVisibleItems(12);
  connect(Combo4, &QComboBox::activated, this, [this] { Combo4_Click(); });

  Caption(area, QStringLiteral("Constants"), 640, 66, 80, 16);
  Command7 = new QPushButton(QStringLiteral("< C&lear"), area);
  Command7->setObjectName(QStringLiteral("Command7"));
  Command7->setToolTip(QStringLiteral(" Clear all constants "));
  Command7->setGeometry(726, 62, 90, 24);
  connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
  for (int i = 0; i < 5; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    const int y = 92 + i * 40;
    cmdCopyA[slot] = key(QStringLiteral("cmdCopyA(%1)").arg(i), QStringLiteral("C"),
                         QStringLiteral(" Copy your answer "), 640, y, 36, 36);
    cmdPasteA[slot] = key(QStringLiteral("cmdPasteA(%1)").arg(i), QStringLiteral("P"),
                          QStringLiteral(" Paste this value "), 680, y, 36, 36);
    auto* field = new QLineEdit(area);
    field->setObjectName(QStringLiteral("txtPaste(%1)").arg(i));
    field->setGeometry(722, y, 291, 36);
    MakeDisplay(field);
    txtPaste[slot] = field;
    connect(cmdCopyA[slot], &QPushButton::clicked, this, [this, i] { cmdCopyA_Click(i); });
    connect(cmdPasteA[slot], &QPushButton::clicked, this, [this, i] { cmdPasteA_Click(i); });
  }
}

void frmNewCalculator1::CreateWorkboard(QWidget* area) {
  Command5 = new QPushButton(QStringLiteral("&Hide Workboard"), area);
  Command5->setObjectName(QStringLiteral("Command5"));
  Command5->setToolTip(QStringLiteral(" Workboard disappears "));
  Command5->setGeometry(Px(9300), Px(4440), Px(2295), Px(420));
  Command4 = new QPushButton(QStringLiteral("Cle&ar Workboard"), area);
  Command4->setObjectName(QStringLiteral("Command4"));
  Command4->setToolTip(QStringLiteral(" Clears the contents of the workboard "));
  Command4->setGeometry(Px(12450), Px(4440), Px(2295), Px(420));
  Command4->setVisible(false);

  txtArchive1 = new ui::RichTextBox(area);
  txtArchive1->setObjectName(QStringLiteral("txtArchive1"));
  txtArchive1->setGeometry(Px(60), Px(4980), Px(11325), Px(5325));
  QFont design(QStringLiteral("Arial"));
  design.setPointSizeF(14.25);
  design.setBold(true);
  txtArchive1->setFont(design);
  connect(txtArchive1, &ui::RichTextBox::Change, this, [this] { txtArchive1_Change(); });

  Command2 = new QPushButton(area);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setToolTip(QStringLiteral(" Expand workboard "));
  Command2->setIcon(ArrowPicture(true));
  Command2->setGeometry(Px(11580), Px(4980), Px(435), Px(660));
  Command3 = new QPushButton(area);
  Command3->setObjectName(QStringLiteral("Command3"));
  Command3->setToolTip(QStringLiteral(" Collapse workboard "));
  Command3->setIcon(ArrowPicture(false));
  Command3->setGeometry(Px(11580), Px(5775), Px(435), Px(660));

  // The font group right of the workboard, top to bottom.
  constexpr int x = 812;
  constexpr int width = 200;
  Caption(area, QStringLiteral("--Font Properties Used--"), x, 330, width, 16);
  Caption(area, QStringLiteral("--For Faxing & Printing--"), x, 346, width, 16);
  Check1 = new QCheckBox(QStringLiteral("&Bold"), area);
  Check1->setObjectName(QStringLiteral("Check1"));
  Check1->setToolTip(QStringLiteral(" Make selected text bold and/or subsequent text bold "));
  Check1->setGeometry(x, 368, width, 20);
  Check1->setChecked(true);
  connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
  Check2 = new QCheckBox(QStringLiteral("&Italic"), area);
  Check2->setObjectName(QStringLiteral("Check2"));
  Check2->setToolTip(QStringLiteral(" Make selected text italic and/or subsequent text italic "));
  Check2->setGeometry(x, 390, width, 20);
  connect(Check2, &QCheckBox::toggled, this, [this] { Check2_Click(); });

  Caption(area, QStringLiteral("Font face:"), x, 414, width, 16);
  Combo2 = new QComboBox(area);
  Combo2->setObjectName(QStringLiteral("Combo2"));
  Combo2->setToolTip(QStringLiteral(" Select a font face "));
  Combo2->setGeometry(x, 430, width, 26);
  Combo2->installEventFilter(this);
  connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });

  Caption(area, QStringLiteral("Size:"), x, 462, width, 16);
  Combo1 = new QComboBox(area);
  Combo1->setObjectName(QStringLiteral("Combo1"));
  Combo1->setToolTip(QStringLiteral(" Select a font size "));
  Combo1->setGeometry(x, 478, 80, 26);
  for (int size = 10; size <= 24; size += 2) Combo1->addItem(Q(std::to_string(size)));
  Combo1->setCurrentIndex(-1);
  connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

  Caption(area, QStringLiteral("Line Spacing"), x, 510, width, 16);
  Combo3 = new QComboBox(area);
  Combo3->setObjectName(QStringLiteral("Combo3"));
  Combo3->setToolTip(QStringLiteral(" Select the spacing between each new entry on the whiteboard "));
  Combo3->setGeometry(x, 526, 80, 26);

  Caption(area, QStringLiteral("Default printer/fax program:"), x, 558, width, 16);
  Text3 = new QLineEdit(area);
  Text3->setObjectName(QStringLiteral("Text3"));
  Text3->setReadOnly(true);
  Text3->setFocusPolicy(Qt::ClickFocus);
  Text3->setGeometry(x, 574, width, 24);
  Caption(area, QStringLiteral("Font count:"), x, 604, width, 16);
  Text2 = new QLineEdit(area);
  Text2->setObjectName(QStringLiteral("Text2"));
  Text2->setReadOnly(true);
  Text2->setFocusPolicy(Qt::ClickFocus);
  Text2->setGeometry(x, 620, 80, 24);

  CommonDialog1 = new ui::CommonDialog(this);
  CommonDialog1->setObjectName(QStringLiteral("CommonDialog1"));
}

// ---------------------------------------------------------------------------------
// Start-up and the repaint check

void frmNewCalculator1::Form_Load() {
  // 1. Top of the screen, centred horizontally.
  QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  const int screenWidth = screen != nullptr ? screen->geometry().width() : width();
  move(screenWidth / 2 - width() / 2, 0);
  // 2.
  sheet_.ResetFlags();
  // 3. The document dialog's file types; ask before overwriting.
  strFileFilter = Q(kFileFilter);
  CommonDialog1->Filter = strFileFilter;
  CommonDialog1->Flags = 2;
  // 4. The decimal places, "0" to "40".
  for (int places = 0; places <= 40; ++places) {
    const QString item = Q(std::to_string(places));
    if (places < Combo4->count()) {
      Combo4->setItemText(places, item);
    } else {
      Combo4->addItem(item);
    }
  }
  // 5., 6.
  SetComboText(Combo1, QStringLiteral("14"));
  SetComboText(Combo4, QStringLiteral("5"));

  // 7. to 15.: the printer's fonts and name, the line spacing, the workboard's colour.
  // A failure shows its message and falls back to the screen's fonts; the steps that
  // do not need the printer then still run, so that the workboard keeps its record.
  printerWatch_.Remember(
      [this]() -> std::optional<std::string> {
        std::optional<QString> printer = PrinterSituation();
        if (!printer) return std::nullopt;
        return Utf8(*printer);
      }());
  bool lineSpacingFilled = false;
  if (!LoadPrinterFonts(lineSpacingFilled)) {
    ShowFailure(kNoPrinterFontsText, kProgramTitle);
    ScreenFontsOnly();
    if (!lineSpacingFilled) FillLineSpacing();
    FinishStartup();
  }
}

bool frmNewCalculator1::LoadPrinterFonts(bool& lineSpacingFilled) {
  // 7.
  std::optional<QStringList> fonts = services_.printers->DefaultPrinterFonts();
  if (!fonts) return false;
  FillFaceList(*fonts);
  // 8.
  FillLineSpacing();
  lineSpacingFilled = true;
  // 9.
  if (!SetComboText(Combo2, QStringLiteral("Arial Narrow"))) return false;
  // 10.
  std::optional<QString> name = services_.printers->DefaultPrinterName();
  if (!name) return false;
  strPrinterName = *name;
  Text3->setText(strPrinterName);
  // 11.
  Text2->setText(Q(std::to_string(fonts->size())));
  // 12. to 15.
  FinishStartup();
  return true;
}

void frmNewCalculator1::FillLineSpacing() {
  const QString spacings[3] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
  for (int i = 0; i < 3; ++i) {
    if (i < Combo3->count()) {
      Combo3->setItemText(i, spacings[i]);
    } else {
      Combo3->addItem(spacings[i]);
    }
  }
}

void frmNewCalculator1::FinishStartup() {
  SetComboText(Combo3, QStringLiteral("2"));
  blnWorkboardChanged = false;
  txtArchive1->SetBackColor(kYellow);
  blnSaveCancelled = false;
}

std::optional<QString> frmNewCalculator1::PrinterSituation() {
  if (services_.printers->PrinterCount() == 0) return std::nullopt;
  return services_.printers->DefaultPrinterName();
}

void frmNewCalculator1::Form_Paint() {
  std::optional<QString> printer = PrinterSituation();
  std::optional<std::string> situation;
  if (printer) situation = Utf8(*printer);
  const PrinterChange change = printerWatch_.Check(situation);
  if (change == PrinterChange::None) return;

  const QString copy = txtArchive1->Text();
  const bool changed = blnWorkboardChanged;
  const bool clearShown = !Command4->isHidden();
  if (change == PrinterChange::NewDefaultPrinter) {
    Form_Load();
  } else {
    ScreenFontsOnly();
  }
  txtArchive1->SetText(copy);
  // The text is what it was: so is whether it holds unsaved work.
  blnWorkboardChanged = changed;
  Command4->setVisible(clearShown);
}

void frmNewCalculator1::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  // The check runs after the paint, once for all paints of one pass of the event loop.
  if (paintCheckPending_) return;
  paintCheckPending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        Form_Paint();
        paintCheckPending_ = false;
      },
      Qt::QueuedConnection);
}

// ---------------------------------------------------------------------------------
// Operand entry

bool frmNewCalculator1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
      type == QEvent::MouseButtonDblClick) {
    int index = -1;
    for (std::size_t i = 0; i < Command1.size(); ++i) {
      if (watched == Command1[i]) index = static_cast<int>(i);
    }
    if (index >= 0 || watched == cmdBackspace) {
      // A second press within the double-click time reaches the key as a double-click
      // event alone: it is a press like any other.
      auto* mouse = static_cast<QMouseEvent*>(event);
      const QPoint at = mouse->position().toPoint();
      const bool press = type != QEvent::MouseButtonRelease;
      if (index >= 0) {
        if (press) {
          Command1_MouseDown(index, mouse->button(), mouse->modifiers(), at.x(), at.y());
        } else {
          Command1_MouseUp(index, mouse->button(), mouse->modifiers(), at.x(), at.y());
        }
      } else if (press) {
        cmdBackspace_MouseDown(mouse->button(), mouse->modifiers(), at.x(), at.y());
      } else {
        cmdBackspace_MouseUp(mouse->button(), mouse->modifiers(), at.x(), at.y());
      }
      return false;
    }
  } else if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    for (std::size_t i = 0; i < txtOperand.size(); ++i) {
      if (watched != txtOperand[i]) continue;
      if (type == QEvent::FocusOut) {
        operandKeptFocus_[i] = LeavesTheWindow(reason);
      } else {
        const bool back = LeavesTheWindow(reason) && operandKeptFocus_[i];
        operandKeptFocus_[i] = false;
        if (!back) txtOperand_GotFocus(static_cast<int>(i));
      }
    }
    if (watched == Combo2 && type == QEvent::FocusOut && !LeavesTheWindow(reason)) {
      Combo2_LostFocus();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmNewCalculator1::txtOperand_GotFocus(int index) { sheet_.GotFocus(index); }

void frmNewCalculator1::Command1_MouseDown(int index, Qt::MouseButton, Qt::KeyboardModifiers, int,
                                           int) {
  const bool repeats = sheet_.PressKeypad(index);
  ShowWorksheet();
  if (repeats) tmrNumbers->start();
}

void frmNewCalculator1::Command1_MouseUp(int, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  tmrNumbers->stop();
}

void frmNewCalculator1::tmrNumbers_Timer() {
  sheet_.NumbersTick();
  ShowWorksheet();
}

void frmNewCalculator1::cmdDecimal_Click() {
  const FocusRequest focus = sheet_.Decimal();
  ShowWorksheet();
  Focus(focus);
}

void frmNewCalculator1::cmdPlusMinus_Click() {
  sheet_.PlusMinus();
  ShowWorksheet();
}

void frmNewCalculator1::cmdBackspace_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  sheet_.BackspacePress();
  ShowWorksheet();
  tmrBackspace->start();
}

void frmNewCalculator1::cmdBackspace_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  tmrBackspace->stop();
  sheet_.BackspaceRelease();
}

void frmNewCalculator1::tmrBackspace_Timer() {
  sheet_.BackspaceTick();
  ShowWorksheet();
}

void frmNewCalculator1::cmdClearAll_Click() {
  const FocusRequest focus = sheet_.ClearAll();
  ShowWorksheet();
  Focus(focus);
}

// ---------------------------------------------------------------------------------
// Operators and evaluation

void frmNewCalculator1::cmdOperatorX_Click() { TwoOperandKey("X"); }
void frmNewCalculator1::cmdOperatorDivide_Click() { TwoOperandKey("/"); }
void frmNewCalculator1::cmdOperatorPlus_Click() { TwoOperandKey("+"); }
void frmNewCalculator1::cmdOperatorMinus_Click() { TwoOperandKey("-"); }
void frmNewCalculator1::cmdPowers_Click() { TwoOperandKey("X^Y"); }
void frmNewCalculator1::cmdOperatorSR_Click() { OneOperandKey("SR"); }
void frmNewCalculator1::cmdCubeRoot_Click() { OneOperandKey("CR"); }
void frmNewCalculator1::cmdInverse_Click() { OneOperandKey("1/X"); }

void frmNewCalculator1::TwoOperandKey(const char* op) {
  const FocusRequest focus = sheet_.TwoOperandKey(op);
  ShowWorksheet();
  Focus(focus);
}

void frmNewCalculator1::OneOperandKey(const char* op) {
  const OneOperandStep step = sheet_.OneOperandKey(op);
  ShowWorksheet();
  if (step.evaluate) {
    cmdEqualSign_Click();
    return;
  }
  Focus(step.focus);
}

void frmNewCalculator1::cmdEqualSign_Click() {
  const EvaluationOutcome outcome = sheet_.Evaluate();
  switch (outcome.kind) {
    case OutcomeKind::Nothing:
      return;
    case OutcomeKind::Answer:
      sheet_.ApplyAnswer(outcome);
      ShowWorksheet();
      if (!Archive()) ShowFailure(kArithmeticFailureText, kArithmeticFailureTitle);
      return;
    case OutcomeKind::DivideByZero:
    case OutcomeKind::NegativeRoot: {
      if (outcome.kind == OutcomeKind::DivideByZero) {
        ShowFailure(kDivideByZeroText, kProgramTitle);
      } else {
        ShowFailure(kNegativeRootText, kNegativeRootTitle);
      }
      const FocusRequest focus = sheet_.ApplyRefusal(outcome);
      ShowWorksheet();
      Focus(focus);
      return;
    }
    case OutcomeKind::ArithmeticFailure:
      ShowFailure(kArithmeticFailureText, kArithmeticFailureTitle);
      return;
  }
}

void frmNewCalculator1::Combo4_Click() {
  const std::optional<double> places = ReadStrictNumber(Utf8(Combo4->currentText()));
  if (!places) return;
  if (sheet_.ChooseDecimalPlaces(static_cast<int>(*places))) cmdEqualSign_Click();
}

// ---------------------------------------------------------------------------------
// Answer transfer and constants

void frmNewCalculator1::cmdCopy_Click() {
  sheet_.CopyAnswer();
  services_.clipboard->Clear();
  services_.clipboard->SetText(Q(sheet_.Answer()));
}

void frmNewCalculator1::cmdPaste_Click() {
  sheet_.PasteAnswer();
  ShowWorksheet();
}

void frmNewCalculator1::cmdCopyA_Click(int index) {
  QLineEdit* slot = txtPaste[static_cast<std::size_t>(index)];
  if (SlotNeedsOverwriteQuestion(Utf8(slot->text())) &&
      Ask(kOverwriteConstantText, ui::MessageAnswer::No) != ui::MessageAnswer::Yes) {
    return;
  }
  slot->setText(Q(sheet_.Answer()));
}

void frmNewCalculator1::cmdPasteA_Click(int index) {
  if (!sheet_.RecallConstant(Utf8(txtPaste[static_cast<std::size_t>(index)]->text()))) {
    // A number beyond the range of a double: it cannot be written as a number.
    services_.beeper->Beep();
  }
  ShowWorksheet();
}

void frmNewCalculator1::Command7_Click() {
  bool anyFilled = false;
  for (QLineEdit* slot : txtPaste) anyFilled = anyFilled || !slot->text().isEmpty();
  if (!anyFilled) return;
  if (Ask(kClearConstantsText, ui::MessageAnswer::No) != ui::MessageAnswer::Yes) return;
  for (QLineEdit* slot : txtPaste) slot->clear();
}

// ---------------------------------------------------------------------------------
// The workboard record and fonts

bool frmNewCalculator1::Archive() {
  const std::string operand1 = sheet_.Operand(0);
  const std::string operand2 = sheet_.Operand(1);
  const ArchivePlan plan = PlanArchive(
      Utf8(Combo3->currentText()), {operand1, sheet_.Operator(), operand2, sheet_.Answer()});
  if (plan.step == ArchiveStep::ConversionFailure) return false;
  if (plan.step == ArchiveStep::NothingWritten) return true;
  txtArchive1->AppendText(Q(plan.entry));
  if (mnuDisplayWorkChecked) {
    txtArchive1->setFocus(Qt::OtherFocusReason);
    txtArchive1->MoveCaretToEnd();
  }
  return true;
}

void frmNewCalculator1::txtArchive1_Change() {
  blnWorkboardChanged = true;
  Command4->setVisible(true);
}

void frmNewCalculator1::Check1_Click() {
  txtArchive1->SetFontBold(Check1->checkState() == Qt::Checked);
}

void frmNewCalculator1::Check2_Click() {
  txtArchive1->SetFontItalic(Check2->checkState() == Qt::Checked);
}

void frmNewCalculator1::Combo1_Click() {
  const std::optional<double> points = ReadStrictNumber(Utf8(Combo1->currentText()));
  if (points) txtArchive1->SetFontSize(*points);
}

void frmNewCalculator1::Combo2_Click() {
  if (txtArchive1->SetFontName(Combo2->currentText())) return;
  ShowFailure(kUnknownFaceText, kProgramTitle);
  Combo2->setFocus(Qt::OtherFocusReason);
}

void frmNewCalculator1::Combo2_LostFocus() {
  // Nothing chosen in the box: there is no face to give the selection.
  if (Combo2->currentIndex() < 0) return;
  if (txtArchive1->SetSelectionFontName(Combo2->currentText())) return;
  ShowFailure(kUnknownFaceText, kProgramTitle);
  // Back to the face box once the focus change that is under way has ended.
  QTimer::singleShot(0, Combo2, [box = Combo2] { box->setFocus(Qt::OtherFocusReason); });
}

void frmNewCalculator1::FillFaceList(const QStringList& names) {
  std::vector<std::string> current;
  current.reserve(static_cast<std::size_t>(Combo2->count()));
  for (int i = 0; i < Combo2->count(); ++i) current.push_back(Utf8(Combo2->itemText(i)));
  std::vector<std::string> fresh;
  fresh.reserve(static_cast<std::size_t>(names.size()));
  for (const QString& name : names) fresh.push_back(Utf8(name));
  const std::vector<std::string> list = RefilledFaceList(current, fresh);
  QStringList items;
  items.reserve(static_cast<qsizetype>(list.size()));
  for (const std::string& name : list) items.append(Q(name));
  Combo2->clear();
  Combo2->addItems(items);
  Combo2->setCurrentIndex(-1);
}

void frmNewCalculator1::ScreenFontsOnly() {
  const QStringList fonts = services_.screenFonts->Families();
  FillFaceList(fonts);
  // Without that face on the screen the box is left without a choice and the
  // workboard keeps its face.
  SetComboText(Combo2, QStringLiteral("Arial Rounded MT Bold"));
  Text3->setText(QStringLiteral("Screen Fonts"));
  Text2->setText(Q(std::to_string(fonts.size())));
}

void frmNewCalculator1::mnuConvCalc_Click() { ShowConversionCalculator(services_); }

// ---------------------------------------------------------------------------------
// Helpers

void frmNewCalculator1::ShowWorksheet() {
  const auto mirror = [](auto* control, const std::string& text) {
    const QString shown = Q(text);
    if (control->text() != shown) control->setText(shown);
  };
  mirror(txtOperand[0], sheet_.Operand(0));
  mirror(txtOperand[1], sheet_.Operand(1));
  mirror(lblOperator, sheet_.Operator());
  mirror(lblAnswer, sheet_.Answer());
}

void frmNewCalculator1::Focus(FocusRequest request) {
  if (request == FocusRequest::None) return;
  const int index = request == FocusRequest::Operand1 ? 0 : 1;
  QLineEdit* field = txtOperand[static_cast<std::size_t>(index)];
  if (isActiveWindow()) {
    if (field->hasFocus()) {
      txtOperand_GotFocus(index);
    } else {
      field->setFocus(Qt::OtherFocusReason);  // its focus event makes it current
    }
    return;
  }
  // An inactive window gets its focus events when it is next activated: the field
  // becomes current now, and the later event is no new focus change.
  field->setFocus(Qt::OtherFocusReason);
  txtOperand_GotFocus(index);
  operandKeptFocus_[static_cast<std::size_t>(index)] = true;
  operandKeptFocus_[static_cast<std::size_t>(1 - index)] = false;
}

void frmNewCalculator1::ShowFailure(std::string_view text, std::string_view title) {
  services_.messages->Show(this, Q(text), Q(title), ui::MessageButtons::Ok, ui::MessageIcon::None,
                           ui::MessageAnswer::Ok);
}

ui::MessageAnswer frmNewCalculator1::Ask(std::string_view text, ui::MessageAnswer defaultButton) {
  return services_.messages->Show(this, Q(text), Q(kAreYouSureTitle), ui::MessageButtons::YesNo,
                                  ui::MessageIcon::Question, defaultButton);
}

bool frmNewCalculator1::SetComboText(QComboBox* box, const QString& text) {
  const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) return false;
  box->setCurrentIndex(index);
  if (box == Combo1) {
    Combo1_Click();
  } else if (box == Combo2) {
    Combo2_Click();
  } else if (box == Combo4) {
    Combo4_Click();
  }
  return true;
}

}  // namespace numbrella
