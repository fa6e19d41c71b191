// The one window: its pictures, its fixed layout and its keyboard focus chain.

#include "../editing/grid.h"
#include "../shell/events.h"
#include "../shell/layout.h"
#include "../shell/startup.h"
#include "qtfrontend.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOption>
#include <QTextEdit>
#include <QToolBar>

#include <algorithm>

QToolBar *Toolbar = nullptr;
std::vector<QWidget *> TabStops;

namespace {

// Object names for tests and automation, by command id.
constexpr std::array<const char *, ToolbarCommandCount> ToolbarActionNames = {
    "newAction", "copyAction", "invertAction", "loadAction", "saveAction", "saveAsAction",
};

bool IsArrowKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

QRect ToQRect(const Rect &rect)
{
    return QRect(rect.x, rect.y, rect.width, rect.height);
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
        if (HandleWindowEvent({EventKind::CloseWindowEvent}))
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
        if (watched == WidgetOf(OutputBox)) {
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
        const QString label = ToQString(button.label);
        QAction *action =
            Toolbar->addAction(QIcon(PixmapOf(ToolbarPictures[button.commandId])), label);
        action->setObjectName(QString::fromLatin1(ToolbarActionNames[button.commandId]));
        action->setIconText(label); // a toolbar button would otherwise drop a trailing "..."
        action->setToolTip(ToQString(button.toolTip));
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
                     [control] { HandleWindowEvent({EventKind::ControlEvent, HandleOf(control)}); });
}

void CreateSegment(int segment)
{
    auto *frame = new QGroupBox(ToQString(SegmentCaption(segment)), Window);
    frame->setObjectName(QStringLiteral("segmentFrame%1").arg(segment));
    frame->setGeometry(ToQRect(SegmentFrameRect(segment, ToolbarHeight())));
    SegmentFrames[segment] = HandleOf(frame);

    auto *include = new QCheckBox(ToQString(IncludeBoxText), Window);
    include->setObjectName(QStringLiteral("includeBox%1").arg(segment));
    include->setGeometry(ToQRect(IncludeBoxRect(segment, ToolbarHeight())));
    AddTabStop(include);
    ReportClicks(include);
    IncludeBoxes[segment] = HandleOf(include);

    const QIcon offIcon(PixmapOf(ImageGreen));
    for (int row = 1; row <= RowCount; ++row) {
        for (int column = 1; column <= ColumnCount; ++column) {
            auto *toggle = new QPushButton(Window);
            toggle->setObjectName(QStringLiteral("pixel_%1_%2_%3").arg(segment).arg(column).arg(row));
            toggle->setAccessibleName(ToQString(PixelToggleName(segment, column, row)));
            toggle->setCheckable(true);
            toggle->setStyle(PixelStyle);
            toggle->setGeometry(ToQRect(PixelToggleRect(segment, column, row, ToolbarHeight())));
            toggle->setIcon(offIcon);
            toggle->setIconSize(ImageOf(ImageGreen).size());
            AddTabStop(toggle);
            ReportClicks(toggle);
            PixelButtons[segment][column][row] = HandleOf(toggle);
        }
    }
}

void CreateActiveOptions()
{
    auto *group = new QButtonGroup(Window);
    group->setExclusive(true);
    for (int segment = 0; segment < SegmentCount; ++segment) {
        auto *option = new QRadioButton(ToQString(ActiveOptionText), Window);
        option->setObjectName(QStringLiteral("activeOption%1").arg(segment));
        option->setGeometry(ToQRect(ActiveOptionRect(segment, ToolbarHeight())));
        group->addButton(option, segment);
        AddTabStop(option);
        ReportClicks(option);
        ActiveOptions[segment] = HandleOf(option);
    }
}

void CreateOutputBox()
{
    auto *box = new QTextEdit(Window);
    OutputBox = HandleOf(box);
    box->setObjectName(QStringLiteral("outputBox"));
    box->setGeometry(ToQRect(OutputBoxRect(ToolbarHeight())));
    box->setLineWrapMode(QTextEdit::NoWrap);
    box->setTabChangesFocus(false);
    // The editor offers no menus and takes nothing by drag and drop.
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->viewport()->setAcceptDrops(false);
    AddTabStop(box);

    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 255));
    // The selection stays visible while the box does not have the focus.
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    box->setPalette(palette);
}

void PlaceOnPrimaryScreen(QWidget *window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = window->frameGeometry().size();
    const int left = (screen.width() - std::min(screen.width(), outer.width())) / 2;
    const int top = (screen.height() - std::min(screen.height(), outer.height())) / 2;
    window->move(screen.x() + left, screen.y() + top);
}

QString PicturePath(std::string_view folder, std::string_view name)
{
    return folder.empty() ? ToQString(name) : ToQString(folder) + QLatin1Char('/') + ToQString(name);
}

} // namespace

// What a picture handle points to: the picture as loaded, and ready to draw.
struct LoadedPicture {
    QImage image;
    QPixmap pixmap;
};

const QImage &ImageOf(PictureHandle picture)
{
    static const QImage empty;
    return picture ? reinterpret_cast<const LoadedPicture *>(picture)->image : empty;
}

const QPixmap &PixmapOf(PictureHandle picture)
{
    static const QPixmap empty;
    return picture ? reinterpret_cast<const LoadedPicture *>(picture)->pixmap : empty;
}

PictureHandle LoadPicture(std::string_view folder, std::string_view name, PictureFormat format)
{
    QImage image(PicturePath(folder, name));
    if (image.isNull())
        return nullptr;
    if (format == PictureFormat::Icon && image.size() != QSize(ToolbarPictureSize, ToolbarPictureSize))
        image = image.scaled(ToolbarPictureSize, ToolbarPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Kept until the program ends, like every picture.
    auto *picture = new LoadedPicture{image, QPixmap::fromImage(image)};
    return reinterpret_cast<PictureHandle>(picture);
}

int ToolbarHeight()
{
    return Toolbar->geometry().height();
}

void OpenMainWindow(int x, int y, int width, int height)
{
    Q_INIT_RESOURCE(appicon); // the icon lives in a static library
    Window = new PixkorWindow;
    PixelStyle = new PixelToggleStyle;
    PixelStyle->setParent(Window);
    MainWindow = WindowHandleOf(Window);
    TabStops.clear();
    Window->setObjectName(QStringLiteral("mainWindow"));
    Window->setWindowTitle(ToQString(WindowTitle));
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

void RunEventLoop()
{
    QApplication::exec();
}

void SetPressedPicture(ControlHandle control, PictureHandle onPicture)
{
    auto *toggle = static_cast<QPushButton *>(WidgetOf(control));
    const QPixmap &picture = PixmapOf(onPicture);
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
