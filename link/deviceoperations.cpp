#include "deviceoperations.h"

#include "changeengine.h"
#include "logreply.h"
#include "messageexchange.h"
#include "operationaborted.h"
#include "samplestore.h"
#include "settingvalues.h"

namespace {
using Kind = ImageRecorder::Kind;
const QString Cr = QStringLiteral("\r");

// Controllers may answer in either case: the bytes count, not the letters.
bool sameImage(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Announces the change of the controller for as long as it lives, also when
// the operation unwinds.
class ChangingController {
public:
    explicit ChangingController(DeviceOperations& operations)
        : m_operations(operations)
    {
        emit m_operations.changingController(true);
    }
    ~ChangingController() { emit m_operations.changingController(false); }
    ChangingController(const ChangingController&) = delete;
    ChangingController& operator=(const ChangingController&) = delete;

private:
    DeviceOperations& m_operations;
};
}

DeviceOperations::DeviceOperations(
    MessageExchange& exchange, SettingValues& values, SampleStore& store, QObject* parent)
    : QObject(parent)
    , m_exchange(exchange)
    , m_values(values)
    , m_store(store)
{
    connect(&m_exchange, &MessageExchange::faulted, this, [this](ExchangeFault fault) {
        if (m_running)
            fail(outcomeOf(fault));
    });
}

Outcome DeviceOperations::run(Command command)
{
    m_outcome = Outcome::Completed;
    m_running = true;
    try {
        switch (command) {
        case Command::Read:
            read();
            break;
        case Command::Write:
            write();
            break;
        case Command::DefaultWrite:
            defaultWrite();
            break;
        case Command::Get:
            get();
            break;
        case Command::Clear:
            clear();
            break;
        }
    } catch (const OperationAborted&) {
        m_outcome = Outcome::Aborted;
    }
    keepPending();
    m_running = false;
    return m_outcome;
}

bool DeviceOperations::readImage(Kind kind)
{
    const std::optional<SettingReply> reply = m_exchange.readSettings();
    if (!reply)
        return false;
    m_values.setControllerImage(reply->image);
    keepLater(kind, reply->image);
    emit imageRead(reply->image);
    return true;
}

QString DeviceOperations::keepNow(Kind kind, const QString& image)
{
    if (!m_recorder || image.isEmpty())
        return {};
    // What came earlier goes first, so that the history keeps the order.
    keepPending();
    return m_recorder->record(kind, image);
}

void DeviceOperations::keepLater(Kind kind, const QString& image)
{
    if (m_recorder)
        m_pending.emplace_back(kind, image);
}

void DeviceOperations::keepPending()
{
    for (const auto& [kind, image] : m_pending)
        m_recorder->record(kind, image);
    m_pending.clear();
}

bool DeviceOperations::readOrFail(Kind kind)
{
    const bool ok = readImage(kind);
    // A reply that ended but cannot be an image must never pass as done.
    if (!ok)
        fail(Outcome::CannotSet);
    return ok;
}

void DeviceOperations::showControllerImage()
{
    switch (m_values.show(m_values.controllerImage())) {
    case SettingImage::DecodeStatus::Deleted:
        fail(Outcome::Deleted);
        break;
    case SettingImage::DecodeStatus::OtherModel:
        fail(Outcome::OtherModel);
        break;
    case SettingImage::DecodeStatus::BadField:
        fail(Outcome::CannotSet);
        break;
    case SettingImage::DecodeStatus::Ok:
        break;
    }
}

void DeviceOperations::read()
{
    m_values.clear();
    if (readOrFail())
        showControllerImage();
}

bool DeviceOperations::readBeforeChange(Kind kind)
{
    const QString compared = m_values.controllerImage();
    const std::optional<SettingReply> reply = m_exchange.readSettings();
    if (!reply) {
        fail(Outcome::CannotSet);
        return false;
    }
    m_values.setControllerImage(reply->image);
    emit imageRead(reply->image);
    const QString entry = keepNow(kind, reply->image);
    if (!compared.isEmpty() && !sameImage(compared, reply->image))
        emit controllerReplaced(reply->image, entry);
    return true;
}

bool DeviceOperations::thisModel()
{
    const int model = SettingImage::byteAt(m_values.controllerImage(), SettingImage::ModelByte);
    if (model == SettingImage::ThisModel)
        return true;
    fail(model == SettingImage::DeletedModel ? Outcome::Deleted : Outcome::OtherModel);
    return false;
}

void DeviceOperations::write()
{
    // Values that may not be written need no controller.
    if (ChangeEngine::plan(m_values).status == ChangeEngine::Status::InvalidValue) {
        fail(Outcome::DataAbnormal);
        return;
    }
    // The bytes only the controller knows come from the one on the line now.
    if (!readBeforeChange(Kind::BeforeWrite) || !thisModel())
        return;
    m_exchange.delay(0.5);
    const ChangeEngine::Plan plan = ChangeEngine::plan(m_values);
    if (plan.status != ChangeEngine::Status::Ok) {
        fail(Outcome::DataAbnormal);
        return;
    }
    // From here on, what the controller holds is known only from a verify read.
    m_values.forgetController();
    const ChangingController changing(*this); // until the verify read has ended
    m_exchange.send(QStringLiteral("sw"), QStringLiteral("sw"));
    m_exchange.send(plan.image, plan.image);
    emit imageWritten(plan.image);
    keepLater(Kind::Written, plan.image);
    m_exchange.delay(0.5);
    if (!readOrFail())
        return;
    if (!sameImage(m_values.controllerImage(), plan.image)) {
        fail(Outcome::VerifyFailed);
        return;
    }
    keepLater(Kind::Verified, plan.image);
    // The boxes show what the controller stores now, rounded as it rounds.
    if (m_outcome == Outcome::Completed)
        m_values.show(plan.image);
}

void DeviceOperations::defaultWrite()
{
    m_values.clear();
    // Without the image it is about to lose, nothing is sent.
    if (!readBeforeChange(Kind::BeforeDefault))
        return;
    m_exchange.delay(0.3);
    m_values.forgetController();
    const ChangingController changing(*this); // until the final read has ended
    m_exchange.send(QStringLiteral("ae"), Cr);
    m_exchange.delay(0.5);
    m_exchange.send(QStringLiteral("rt"), QStringLiteral("rt"));
    m_exchange.delay(0.5);
    if (readOrFail(Kind::DefaultWrite))
        showControllerImage();
}

void DeviceOperations::get()
{
    const MessageExchange::Reply reply = m_exchange.send(QStringLiteral("br"), Cr);
    // A log cut short or garbled is no log: the store keeps the one it holds.
    if (reply.ok() && !decodeLogReply(reply.text, m_store))
        fail(Outcome::CannotSet);
    else if (reply.ok() && m_logRecorder)
        m_logRecorder->recordLog(m_store, m_values.controllerImage());
}

void DeviceOperations::clear()
{
    if (!readBeforeChange(Kind::Read))
        return;
    m_exchange.delay(0.3);
    const ChangingController changing(*this);
    m_exchange.send(QStringLiteral("be"), Cr);
}
