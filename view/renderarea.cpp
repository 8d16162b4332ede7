// The board widget: construction, geometry, the off-screen picture, painting and input.
#include "renderarea.h"

#include "desktop.h"
#include "fmodlayer.h"
#include "globals.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

// The picture at path, or on a high-density screen its double-resolution sibling
// "name@2x.png" where there is one.
QImage loadSharpImage(const QString &path, qreal ratio)
{
    if (ratio > 1.0) {
        QString doubled = path;
        doubled.insert(path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
        QImage image;
        if (image.load(doubled)) {
            image.setDevicePixelRatio(2.0);
            return image;
        }
    }
    return QImage(path);
}

FSOUND_SAMPLE *loadSample(const char *path)
{
    if (!QFile::exists(QString::fromLatin1(path)))
        return nullptr;
    return FSOUND_Sample_Load(FSOUND_FREE, path, FSOUND_LOOP_OFF, 0, 0);
}

} // namespace

RenderArea::RenderArea(QWidget *parent)
    : QWidget(parent)
{
    const qreal ratio = devicePixelRatioF();
    hudBrush = QBrush(QPixmap(QStringLiteral(":/images/fon/f9.png")));
    starPixmap = QPixmap::fromImage(loadSharpImage(QStringLiteral(":/images/star.png"), ratio));
    puzzleHoverImage = loadSharpImage(QStringLiteral(":/images/pzl.png"), ratio);
    classicHoverImage = loadSharpImage(QStringLiteral(":/images/cls.png"), ratio);
    menuImage = loadSharpImage(QStringLiteral(":/images/1.png"), ratio);
    usersPixmap = QPixmap::fromImage(loadSharpImage(QStringLiteral(":/images/users.png"), ratio));
    setMouseTracking(true);
    LoadSounds();
    menuText = MenuTextLayout(playerName);

    hoverRegion = NoButton;
    classicButtonRect = QRect(20, 20, 140, 75);
    puzzleButtonRect = QRect(170, 300, 225, 45);
    backgroundIndex = 1;
    board.mode = NoGame;
    board.active = false;
    hudHeight = 70;

    repaintTimer = new QTimer(this);
    // Only the bar's seconds change from one tick to the next.
    connect(repaintTimer, &QTimer::timeout, this, [this] { update(HudRect()); });
    repaintTimer->start(1000);
}

RenderArea::~RenderArea()
{
    FSOUND_Sample_Free(rotateSample);
    FSOUND_Sample_Free(levelCompleteSample);
}

QSize RenderArea::sizeHint() const
{
    return QSize(230, 230);
}

QSize RenderArea::minimumSizeHint() const
{
    return QSize(50, 50);
}

void RenderArea::LoadSounds()
{
    rotateSample = loadSample("data/sound/rotate.wav");
    levelCompleteSample = loadSample("data/sound/level_complete.wav");
}

void RenderArea::PlayEffect(FSOUND_SAMPLE *sample) const
{
    if (SoundOn != 0 && sample)
        FSOUND_PlaySound(FSOUND_FREE, sample);
}

void RenderArea::NextBackground()
{
    boardBrush = QBrush(QPixmap(QStringLiteral(":/images/fon/f%1.png").arg(backgroundIndex)));
    if (++backgroundIndex > 8)
        backgroundIndex = 1;
}

void RenderArea::FitToScreen()
{
    const int size = fittedCellSize(board.columns, board.rows, board.cellSize, board.margin,
                                    desktopGeometry().size());
    if (size != board.cellSize) {
        board.setCellSize(size);
        board.layout();
    }
    emit LevelLoaded((board.columns - 2) * board.cellSize + 2 * board.margin,
                     (board.rows - 2) * board.cellSize + 2 * board.margin);
}

// The picture is kept at the screen's pixel density, so the board stays sharp on high-density
// screens while all geometry stays in logical pixels.
void RenderArea::RedrawBoard(bool full, int row, int col, int width, int height)
{
    if (!full && boardBuffer.isNull())
        full = true;
    if (full) {
        const qreal ratio = devicePixelRatioF();
        boardBuffer = QPixmap(size() * ratio);
        boardBuffer.setDevicePixelRatio(ratio);
    }
    QPainter painter(&boardBuffer);
    painter.setRenderHint(QPainter::Antialiasing);
    if (full) {
        painter.setBrush(boardBrush);
        painter.drawRect(0, 0, this->width(), this->height() - hudHeight);
        board.drawAll(painter);
    } else {
        board.drawBlock(painter, row, col, width, height);
    }
}

QRect RenderArea::HudRect() const
{
    return QRect(0, height() - hudHeight, width(), hudHeight);
}

void RenderArea::BoardColours(std::vector<QColor> &colours, int &cols, int &rows) const
{
    board.boxColours(colours, cols, rows);
}

void RenderArea::paintEvent(QPaintEvent *event)
{
    // The window takes a level's size as the level starts; a picture made before the new size
    // reached this widget is made again at the size it now has.
    if (board.active && boardBuffer.deviceIndependentSize().toSize() != size())
        RedrawBoard(true, 0, 0, 0, 0);

    QPainter painter(this);
    if (board.active) {
        painter.drawPixmap(0, 0, boardBuffer);
        // A press repaints only the block it redrew, mostly clear of the HUD.
        if (event->rect().intersects(HudRect()))
            DrawHud(painter);
        return;
    }
    painter.drawImage(0, 0, menuImage);
    if (hoverRegion == ClassicButton)
        painter.drawImage(20, 20, classicHoverImage);
    else if (hoverRegion == PuzzleButton)
        painter.drawImage(170, 300, puzzleHoverImage);
    DrawMenuText(painter);
}

void RenderArea::mousePressEvent(QMouseEvent *event)
{
    if (!board.active) {
        MenuClick();
        return;
    }
    const QPoint at = event->position().toPoint() - QPoint(board.margin, board.margin);
    const int s = board.cellSize;
    const bool onCells = at.y() >= 1 && at.y() < (board.rows - 2) * s && at.x() >= 1
        && at.x() < (board.columns - 2) * s;
    const bool turning = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
    if (onCells && turning) {
        const int row = at.y() / s + 1;
        const int col = at.x() / s + 1;
        if (!board.isHole(row, col)) {
            if (event->button() == Qt::LeftButton)
                board.rotateLeft(row, col);
            else
                board.rotateRight(row, col);
            PlayEffect(rotateSample);
            RedrawBoard(false, row, col, 3, 3);
            update(board.blockBounds(row, col, 3, 3));
        }
    }
    if (board.isSolved())
        FinishLevel();
}

void RenderArea::mouseMoveEvent(QMouseEvent *event)
{
    if (board.active)
        return;
    const QPoint at = event->position().toPoint();
    MenuRegion region = NoButton;
    if (classicButtonRect.contains(at))
        region = ClassicButton;
    if (puzzleButtonRect.contains(at))
        region = PuzzleButton;
    setCursor(region == NoButton ? Qt::ArrowCursor : Qt::PointingHandCursor);
    hoverRegion = region;
    repaint();
}
