#include "mainwindow.h"

#include "../editing/grid.h"
#include "events.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QStyleOption>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>
#include <QToolBar>

#include <algorithm>

const QString ImageGreenFile = QStringLiteral("gruen.bmp");
const QString ImageBlackFile = QStringLiteral("schwarz.bmp");
const std::array<QString, ToolbarCommandCount> ToolbarPictureFiles = {
    QStringLiteral("Icons/New.ico"),    QStringLiteral("Icons/Copy1.ico"), QStringLiteral("Icons/Refresh.ico"),
    QStringLiteral("Icons/Open.ico"),   QStringLiteral("Icons/Save.ico"),  QStringLiteral("Icons/SaveAs.ico"),
};

QImage ImageGreen;
QImage ImageBlack;
std::array<QImage, ToolbarCommandCount> ToolbarPictures;

QToolBar *Toolbar = nullptr;
std::vector<QWidget *> TabStops;

namespace {

constexpr int ToolbarPictureSize = 24;
constexpr int SeparatorId = -1;

struct ToolbarButton {
    int commandId;
    const char *objectName;
    const char *label;
    const char *toolTip;
};

// Left to right; the ids are the commands' own, not screen places.
constexpr ToolbarButton ToolbarButtons[] = {
    {0, "newAction", "Neu", "Neu"},
    {3, "loadAction", "Laden", "Laden..."},
    {4, "saveAction", "Speichern", "Speichern"},
    {5, "saveAsAction", "Speichern unter...", "Speichern unter..."},
    {SeparatorId, nullptr, nullptr, nullptr},
    {1, "copyAction", "Kopieren", "In Zwischenablage kopieren"},
    {2, "invertAction", "Invers", "Aktives Segment invertieren"},
};

constexpr int FrameWidth = 130, FrameHeight = 230;
constexpr int PixelPitch = 20, PixelSize = 18;

bool IsArrowKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

// The window reports its close box to the event dispatch, runs its own Tab
// chain (every "Aktiv" option is a stop of its own, unlike Qt's radio groups),
// and keeps arrow keys from wandering between buttons.
class PixkorWindow : public QWidget {
public:
    PixkorWindow()
        : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                               | Qt::WindowCloseButtonHint)
    {
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (HandleWindowEvent({EventKind::CloseWindowEvent, this}))
            return event->ignore();
        event->accept();
        QCoreApplication::quit();
    }

    bool focusNextPrevChild(bool next) override
    {
        const int count = int(TabStops.size());
        const auto found = std::find(TabStops.begin(), TabStops.end(), QApplication::focusWidget());
        int index = found == TabStops.end() ? (next ? count - 1 : 0) : int(found - TabStops.begin());
        for (int step = 0; step < count; ++step) {
            index = (index + (next ? 1 : count - 1)) % count;
            QWidget *candidate = TabStops[index];
            if (candidate->isEnabled() && candidate->isVisible()) {
                candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
        }
        return false;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (watched == OutputBox) {
            // Tab is typed into the box; Shift+Tab leaves it.
            if (key->key() == Qt::Key_Backtab)
                return focusNextPrevChild(false);
            return false;
        }
        return IsArrowKey(key->key()) && key->modifiers() == Qt::NoModifier;
    }
};

PixkorWindow *Window = nullptr;

// A pixel toggle held down under the mouse already shows its on picture, one
// pixel further right and down, as a preview of the click.
class PixelToggleStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        if (element != CE_PushButtonLabel || !button || !(button->state & State_Sunken))
            return QProxyStyle::drawControl(element, option, painter, widget);
        QStyleOptionButton pressed = *button;
        pressed.state |= State_On;
        pressed.rect.translate(1, 1);
        QProxyStyle::drawControl(element, &pressed, painter, widget);
    }
};

PixelToggleStyle *PixelStyle = nullptr;

void AddTabStop(QWidget *control)
{
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(Window);
    TabStops.push_back(control);
}

void CreateToolbar(int width)
{
    Toolbar = new QToolBar(Window);
    Toolbar->setObjectName(QStringLiteral("toolbar"));
    Toolbar->setMovable(false);
    Toolbar->setFloatable(false);
    Toolbar->setIconSize(QSize(ToolbarPictureSize, ToolbarPictureSize));
    Toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolbarButton &button : ToolbarButtons) {
        if (button.commandId == SeparatorId) {
            Toolbar->addSeparator();
            continue;
        }
        const QString label = QString::fromUtf8(button.label);
        QAction *action = Toolbar->addAction(QIcon(QPixmap::fromImage(ToolbarPictures[button.commandId])), label);
        action->setObjectName(QString::fromUtf8(button.objectName));
        action->setIconText(label); // a toolbar button would otherwise drop a trailing "..."
        action->setToolTip(QString::fromUtf8(button.toolTip));
        Toolbar->widgetForAction(action)->setObjectName(action->objectName() + QStringLiteral("Button"));
        const int commandId = button.commandId;
        QObject::connect(action, &QAction::triggered, Window,
                         [commandId] { HandleWindowEvent({EventKind::ToolbarEvent, nullptr, commandId}); });
    }
    Toolbar->setGeometry(0, 0, width, Toolbar->sizeHint().height());
}

void ReportClicks(QAbstractButton *control)
{
    QObject::connect(control, &QAbstractButton::clicked, Window,
                     [control] { HandleWindowEvent({EventKind::ControlEvent, control}); });
}

void CreateSegment(int segment)
{
    const int left = SegmentLeft(segment);
    const int top = ToolbarHeight() + SegmentTop(segment);

    auto *frame = new QGroupBox(QStringLiteral("Segment %1").arg(segment), Window);
    frame->setObjectName(QStringLiteral("segmentFrame%1").arg(segment));
    frame->setGeometry(left, top, FrameWidth, FrameHeight);
    SegmentFrames[segment] = frame;

    auto *include = new QCheckBox(QStringLiteral("Inc"), Window);
    include->setObjectName(QStringLiteral("includeBox%1").arg(segment));
    include->setGeometry(left + 75, top + 20, 40, 25);
    AddTabStop(include);
    ReportClicks(include);
    IncludeBoxes[segment] = include;

    const QIcon offIcon(QPixmap::fromImage(ImageGreen));
    for (int row = 1; row <= RowCount; ++row) {
        for (int column = 1; column <= ColumnCount; ++column) {
            auto *toggle = new QPushButton(Window);
            toggle->setObjectName(QStringLiteral("pixel_%1_%2_%3").arg(segment).arg(column).arg(row));
            toggle->setAccessibleName(
                QStringLiteral("Segment %1, Zeile %2, Spalte %3").arg(segment).arg(row).arg(column));
            toggle->setCheckable(true);
            toggle->setStyle(PixelStyle);
            toggle->setGeometry(left + PixelPitch * column - 5, top + PixelPitch * row + 30, PixelSize, PixelSize);
            toggle->setIcon(offIcon);
            toggle->setIconSize(ImageGreen.size());
            AddTabStop(toggle);
            ReportClicks(toggle);
            PixelButtons[segment][column][row] = toggle;
        }
    }
}

void CreateActiveOptions()
{
    auto *group = new QButtonGroup(Window);
    group->setExclusive(true);
    for (int segment = 0; segment < SegmentCount; ++segment) {
        auto *option = new QRadioButton(QStringLiteral("Aktiv"), Window);
        option->setObjectName(QStringLiteral("activeOption%1").arg(segment));
        option->setGeometry(SegmentLeft(segment) + 15, ToolbarHeight() + SegmentTop(segment) + 20, 50, 25);
        group->addButton(option, segment);
        AddTabStop(option);
        ReportClicks(option);
        ActiveOptions[segment] = option;
    }
}

void CreateOutputBox()
{
    OutputBox = new QTextEdit(Window);
    OutputBox->setObjectName(QStringLiteral("outputBox"));
    OutputBox->setGeometry(20, ToolbarHeight() + 495, 565, 80);
    OutputBox->setLineWrapMode(QTextEdit::NoWrap);
    OutputBox->setTabChangesFocus(false);
    // The editor offers no menus and takes nothing by drag and drop.
    OutputBox->setContextMenuPolicy(Qt::NoContextMenu);
    OutputBox->setAcceptDrops(false);
    OutputBox->viewport()->setAcceptDrops(false);
    AddTabStop(OutputBox);

    QPalette palette = OutputBox->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 255));
    // The selection stays visible while the box does not have the focus.
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    OutputBox->setPalette(palette);
}

void PlaceOnPrimaryScreen(QWidget *window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = window->frameGeometry().size();
    const int left = (screen.width() - std::min(screen.width(), outer.width())) / 2;
    const int top = (screen.height() - std::min(screen.height(), outer.height())) / 2;
    window->move(screen.x() + left, screen.y() + top);
}

} // namespace

QImage LoadPicture(const QString &path)
{
    return QImage(path);
}

void LoadToolbarAndOffPictures()
{
    const auto toolbarPicture = [](int commandId) {
        QImage picture = LoadPicture(ToolbarPictureFiles[commandId]);
        if (!picture.isNull() && picture.size() != QSize(ToolbarPictureSize, ToolbarPictureSize))
            picture = picture.scaled(ToolbarPictureSize, ToolbarPictureSize, Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
        ToolbarPictures[commandId] = picture;
    };
    toolbarPicture(0);
    ImageGreen = LoadPicture(ImageGreenFile);
    for (int commandId : {1, 2, 3, 4, 5})
        toolbarPicture(commandId);
}

int ToolbarHeight()
{
    return Toolbar->geometry().height();
}

int SegmentLeft(int segment)
{
    return 20 + 145 * (segment % 4);
}

int SegmentTop(int segment)
{
    return segment < 4 ? 10 : 250;
}

void OpenMainWindow(int x, int y, int width, int height)
{
    Q_INIT_RESOURCE(appicon); // the icon lives in a static library
    Window = new PixkorWindow;
    PixelStyle = new PixelToggleStyle;
    PixelStyle->setParent(Window);
    MainWindow = Window;
    TabStops.clear();
    Window->setObjectName(QStringLiteral("mainWindow"));
    Window->setWindowTitle(QStringLiteral("Pixkor"));
    Window->setWindowIcon(QIcon(QStringLiteral(":/pixkor.png")));
    Window->setAttribute(Qt::WA_AlwaysShowToolTips);
    Window->setGeometry(x, y, width, height);
    Window->setFixedSize(width, height);

    CreateToolbar(width);
    for (int segment = 0; segment < SegmentCount; ++segment)
        CreateSegment(segment);
    CreateActiveOptions();
    CreateOutputBox();
    SelectSegment(0);

    // No control has the focus until the user gives it one.
    Window->setFocusPolicy(Qt::NoFocus);
    Window->setFocus();
    PlaceOnPrimaryScreen(Window);
    Window->show();
    // Only a shown window knows the size of its frame; centre the whole of it.
    PlaceOnPrimaryScreen(Window);
    Window->activateWindow();
}

void SetPressedPicture(QPushButton *toggle, const QPixmap &picture)
{
    QIcon icon = toggle->icon();
    // Without an off picture QIcon would show the on picture in both states;
    // an off toggle without its picture is a plain button face instead.
    if (icon.availableSizes(QIcon::Normal, QIcon::Off).isEmpty() && !picture.isNull()) {
        QPixmap blank(picture.size());
        blank.fill(Qt::transparent);
        icon.addPixmap(blank, QIcon::Normal, QIcon::Off);
    }
    icon.addPixmap(picture, QIcon::Normal, QIcon::On);
    toggle->setIcon(icon);
    toggle->setIconSize(toggle->iconSize().expandedTo(picture.size()));
}
