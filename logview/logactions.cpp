#include "logactions.h"

#include "batteryfigures.h"
#include "logspan.h"
#include "pictureexport.h"
#include "prompts.h"

#include <QAction>
#include <QClipboard>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>

LogActions::LogActions(QWidget* window, QWidget* graph, const LogSpan& span,
    const SampleStore& store, LogScene& scene, QList<QWidget*> leftOut,
    std::function<void()> changed)
    : QObject(window)
    , m_window(window)
    , m_span(span)
    , m_store(store)
    , m_scene(scene)
    , m_leftOut(std::move(leftOut))
    , m_changed(std::move(changed))
{
    m_statistics = add(graph, &LogActions::showStatistics);
    add(graph, nullptr)->setSeparator(true);
    m_resting = add(graph, &LogActions::toggleResting);
    m_resting->setCheckable(true);
    m_addMarker = add(graph, &LogActions::addMarker);
    m_removeMarkers = add(graph, &LogActions::removeMarkers);
    m_removeComparison = add(graph, &LogActions::removeComparison);
    add(graph, nullptr)->setSeparator(true);
    m_save = add(graph, &LogActions::savePicture);
    m_copy = add(graph, &LogActions::copyPicture);
    m_twice = add(graph, nullptr);
    m_twice->setCheckable(true);
    graph->setContextMenuPolicy(Qt::ActionsContextMenu);
    retranslate();
    showScene();
}

QAction* LogActions::add(QWidget* graph, void (LogActions::*slot)())
{
    auto* action = new QAction(graph);
    graph->addAction(action);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    return action;
}

void LogActions::retranslate()
{
    m_statistics->setText(tr("Statistics"));
    m_resting->setText(tr("Voltage at Rest"));
    m_addMarker->setText(tr("Add Marker..."));
    m_removeMarkers->setText(tr("Remove Markers"));
    m_removeComparison->setText(tr("Remove Comparison"));
    m_save->setText(tr("Save Picture..."));
    m_copy->setText(tr("Copy Picture"));
    m_twice->setText(tr("Picture at Twice the Size"));
}

void LogActions::showScene()
{
    m_resting->setChecked(m_scene.resting);
    m_removeMarkers->setVisible(!m_scene.markers.isEmpty());
    m_removeComparison->setVisible(m_scene.overlay.has_value());
}

void LogActions::showStatistics()
{
    if (!m_prompts)
        return;
    const bool span = m_span.marked();
    m_prompts->copyableMessage(BatteryFigures::statistics(
        m_store, m_scene, span ? m_span.first() : 1, span ? m_span.last() : SampleStore::Count)
                                   .join(u'\n'));
}

void LogActions::toggleResting()
{
    m_scene.resting = m_resting->isChecked();
    m_changed();
}

void LogActions::addMarker()
{
    if (!m_prompts)
        return;
    const int time = m_span.pointerSample();
    const std::optional<QString> text
        = m_prompts->askText(tr("A short text for the marker at %1 s:").arg(time), QString());
    if (!text || LogMarkers::cleanText(*text).isEmpty()
        || m_scene.markers.size() >= LogMarkers::MaxMarkers)
        return;
    const LogMarker marker { time, LogMarkers::cleanText(*text) };
    m_scene.markers.insert(std::upper_bound(m_scene.markers.begin(), m_scene.markers.end(), marker,
                               [](auto& a, auto& b) { return a.time < b.time; }),
        marker);
    keepMarkers();
    m_changed();
}

void LogActions::removeMarkers()
{
    m_scene.markers.clear();
    keepMarkers();
    m_changed();
}

bool LogActions::keepMarkers()
{
    if (m_scene.source.path.isEmpty() || LogMarkers::save(m_scene.source.path, m_scene.markers))
        return true;
    if (m_prompts)
        m_prompts->message(tr("The markers cannot be saved."), Prompts::Icon::Warning);
    return false;
}

void LogActions::removeComparison()
{
    m_scene.overlay.reset();
    m_changed();
}

QString LogActions::caption() const
{
    const LogSource& s = m_scene.source;
    const QString log = !s.path.isEmpty() ? QFileInfo(s.path).fileName()
        : s.time.isValid() ? QLocale().toString(s.time.toLocalTime(), QLocale::ShortFormat)
                           : QString();
    return s.port.isEmpty() ? log : tr("%1, port %2").arg(log, s.port);
}

void LogActions::paint(QPainter& painter) const
{
    painter.fillRect(
        QRect(QPoint(), m_window->size()), m_window->palette().color(QPalette::Window));
    const auto children = m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!child->isHidden() && !child->isWindow() && !m_leftOut.contains(child))
            child->render(&painter, child->pos(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    // In the bottom left corner, where the controls left out stand.
    const int line = painter.fontMetrics().height();
    const QRect place(6, m_window->height() - line - 4, m_window->width() / 2 - 50, line);
    painter.setPen(m_window->palette().color(QPalette::WindowText));
    painter.drawText(place, Qt::AlignLeft | Qt::AlignVCenter,
        painter.fontMetrics().elidedText(caption(), Qt::ElideMiddle, place.width()));
}

QImage LogActions::picture() const
{
    const int scale = m_twice->isChecked() ? 2 : 1;
    QImage image(m_window->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    paint(painter);
    return image;
}

void LogActions::savePicture()
{
    if (!m_prompts)
        return;
    const QString proposed = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
        + QDateTime::currentDateTime().toString(u"'/tz586kv-log-'yyyyMMdd-HHmm'.png'"_qs);
    QString path = m_prompts->saveFileNameAt(PictureExport::filter(), proposed);
    if (path.isEmpty())
        return;
    // The picture is a PNG unless the name says SVG or PDF; a bare name says so.
    if (QFileInfo(path).suffix().isEmpty())
        path += u".png"_qs;
    if (QFileInfo::exists(path)
        && !m_prompts->ask(tr("The file already exists. \r\nDo you overwrite?")))
        return;
    if (PictureExport::formatOf(path) == PictureExport::Format::Svg && !PictureExport::savesSvg()) {
        m_prompts->message(tr("This program saves no SVG pictures here: choose PNG or PDF."),
            Prompts::Icon::Warning);
        return;
    }
    const int scale = m_twice->isChecked() ? 2 : 1;
    if (!PictureExport::save(path, m_window->size(), scale, [this](QPainter& p) { paint(p); }))
        m_prompts->message(tr("The file cannot be saved."), Prompts::Icon::Warning);
}

void LogActions::copyPicture() { QGuiApplication::clipboard()->setImage(picture()); }
