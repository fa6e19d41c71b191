// The one window: its pictures, its fixed layout and its keyboard focus chain.

#include "../editing/grid.h"
#include "../shell/events.h"
#include "../shell/iconfile.h"
#include "../shell/layout.h"
#include "../shell/startup.h"
#include "pixeltoggle.h"
#include "qtfrontend.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

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

void PlaceOnPrimaryScreen(QWidget *window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = window->frameGeometry().size();
    const int left = (screen.width() - std::min(screen.width(), outer.width())) / 2;
    const int top = (screen.height() - std::min(screen.height(), outer.height())) / 2;
    window->move(screen.x() + left, screen.y() + top);
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
    bool event(QEvent *event) override
    {
        // A window manager frames the window only after it is shown, so the
        // first placement knew no frame. Once the frame is there, centre the
        // whole window again, this once: later moves are the user's.
        const bool placed = event->type() == QEvent::Move || event->type() == QEvent::Resize
                            || event->type() == QEvent::WindowStateChange;
        if (placed && !centredWithFrame && isVisible() && frameGeometry().size() != size()) {
            centredWithFrame = true;
            PlaceOnPrimaryScreen(this);
        }
        return QWidget::event(event);
    }

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

private:
    bool centredWithFrame = false;
};

PixkorWindow *Window = nullptr;

void AddTabStop(QWidget *control)
{
    control->setFocusPolicy(Qt::StrongFocus);
    TabStops.push_back(control);
}

// A tab stop whose keys the window sees first (the pixel toggles keep their
// arrow keys to themselves).
void AddFilteredTabStop(QWidget *control)
{
    AddTabStop(control);
    control->installEventFilter(Window);
}

QIcon EmptyToolbarPicture()
{
    QPixmap empty(ToolbarPictureSize, ToolbarPictureSize);
    empty.fill(Qt::transparent);
    return QIcon(empty);
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
        const QPixmap &picture = PixmapOf(ToolbarPictures[button.commandId]);
        QAction *action = Toolbar->addAction(QIcon(picture), label);
        action->setObjectName(QString::fromLatin1(ToolbarActionNames[button.commandId]));
        action->setIconText(label); // a toolbar button would otherwise drop a trailing "..."
        action->setToolTip(ToQString(button.toolTip));
        auto *toolButton = static_cast<QToolButton *>(Toolbar->widgetForAction(action));
        toolButton->setObjectName(action->objectName() + QStringLiteral("Button"));
        // A button without its picture keeps an empty place of the picture's
        // size, so that its label stays in line with the others and the
        // toolbar keeps its height. Set last: a change of the action would
        // give the button the action's (empty) icon again.
        if (picture.isNull())
            toolButton->setIcon(EmptyToolbarPicture());
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

void ReportToggleClick(PixelToggleButton *toggle)
{
    HandleWindowEvent({EventKind::ControlEvent, HandleOf(toggle)});
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
    AddFilteredTabStop(include);
    ReportClicks(include);
    IncludeBoxes[segment] = HandleOf(include);

    const QPixmap &offPicture = PixmapOf(ImageGreen);
    for (int row = 1; row <= RowCount; ++row) {
        for (int column = 1; column <= ColumnCount; ++column) {
            auto *toggle = new PixelToggleButton(offPicture, ReportToggleClick, Window);
            toggle->setObjectName(QStringLiteral("pixel_%1_%2_%3").arg(segment).arg(column).arg(row));
            toggle->setAccessibleName(ToQString(PixelToggleName(segment, column, row)));
            toggle->setGeometry(ToQRect(PixelToggleRect(segment, column, row, ToolbarHeight())));
            AddTabStop(toggle);
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
        AddFilteredTabStop(option);
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
    AddFilteredTabStop(box);

    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 255));
    // The selection stays visible while the box does not have the focus.
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    box->setPalette(palette);
}

QString PicturePath(std::string_view folder, std::string_view name)
{
    return folder.empty() ? ToQString(name) : ToQString(folder) + QLatin1Char('/') + ToQString(name);
}

QImage ReadPicture(const QString &path, PictureFormat format)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    // Read as the format it must have, and only as that.
    QImageReader reader(&buffer, format == PictureFormat::Icon ? "ico" : "bmp");
    reader.setAutoDetectImageFormat(false);
    if (format == PictureFormat::Icon)
        reader.jumpToImage(IconPictureToShow(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
    return reader.read();
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
    QImage image = ReadPicture(PicturePath(folder, name), format);
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
    static_cast<PixelToggleButton *>(WidgetOf(control))->setOnPicture(PixmapOf(onPicture));
}
