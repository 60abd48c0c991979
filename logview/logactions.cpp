#include "logactions.h"

#include "logspan.h"
#include "logstatistics.h"
#include "prompts.h"
#include "writetarget.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QStandardPaths>
#include <QWidget>

LogActions::LogActions(QWidget* window, QWidget* graph, const LogSpan& span,
    const SampleStore& store, QList<QWidget*> leftOut)
    : QObject(window)
    , m_window(window)
    , m_span(span)
    , m_store(store)
    , m_leftOut(std::move(leftOut))
{
    auto add = [graph] {
        auto* action = new QAction(graph);
        graph->addAction(action);
        return action;
    };
    m_statistics = add();
    connect(m_statistics, &QAction::triggered, this, &LogActions::showStatistics);
    add()->setSeparator(true);
    m_save = add();
    connect(m_save, &QAction::triggered, this, &LogActions::savePicture);
    m_copy = add();
    connect(m_copy, &QAction::triggered, this, &LogActions::copyPicture);
    m_twice = add();
    m_twice->setCheckable(true);
    graph->setContextMenuPolicy(Qt::ActionsContextMenu);
    retranslate();
}

void LogActions::retranslate()
{
    m_statistics->setText(tr("Statistics"));
    m_save->setText(tr("Save Picture..."));
    m_copy->setText(tr("Copy Picture"));
    m_twice->setText(tr("Picture at Twice the Size"));
}

QImage LogActions::picture() const
{
    const int scale = m_twice->isChecked() ? 2 : 1;
    QImage image(m_window->size() * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(m_window->palette().color(QPalette::Window));
    QPainter painter(&image);
    const auto children = m_window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!child->isHidden() && !child->isWindow() && !m_leftOut.contains(child))
            child->render(&painter, child->pos(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    return image;
}

void LogActions::showStatistics()
{
    if (!m_prompts)
        return;
    const LogStatistics figures = m_span.marked()
        ? logStatistics(m_store, m_span.first(), m_span.last())
        : logStatistics(m_store, 1, SampleStore::Count);
    m_prompts->copyableMessage(logStatisticsLines(figures).join(u'\n'));
}

void LogActions::savePicture()
{
    if (!m_prompts)
        return;
    const QString proposed = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)
        + QDateTime::currentDateTime().toString(u"'/tz586kv-log-'yyyyMMdd-HHmm'.png'"_qs);
    const QString filter
        = tr("PNG picture (*.png)") + u"|*.png|"_qs + tr("ALL files(*.*)") + u"|*.*"_qs;
    QString path = m_prompts->saveFileNameAt(filter, proposed);
    if (path.isEmpty())
        return;
    // The picture is a PNG whatever the name; a bare name says so.
    if (QFileInfo(path).suffix().isEmpty())
        path += u".png"_qs;
    if (QFileInfo::exists(path)
        && !m_prompts->ask(tr("The file already exists. \r\nDo you overwrite?")))
        return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture().save(&buffer, "PNG") || !saveAtomically(path, png))
        m_prompts->message(tr("The file cannot be saved."), Prompts::Icon::Warning);
}

void LogActions::copyPicture() { QGuiApplication::clipboard()->setImage(picture()); }
