#include "WebCatalogue.h"

#include "AppFiles.h"

#include "Logging.h"
#include <QEventLoop>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

#include <tinyxml2.h>

#include <algorithm>

namespace {
const char* const kDefaultServer = "https://update.corvanta.example";
const char* const kFirmwareFolder = "/velmo_update/Firmware/";
constexpr int kMaxDepth = 32;

using Segments = QList<QByteArray>;

// A path segment that stays inside the firmware folder.
bool SafeSegment(const QByteArray& s)
{
    if (s.isEmpty() || s == "." || s == ".." || s.contains('\\') || s.contains('/'))
        return false;
    for (const char c : s) {
        if (uchar(c) < 0x20 || uchar(c) == 0x7F)
            return false;
    }
    return true;
}

// Entries keep the document's own bytes: the download URL is built from
// them, the display name decoded from them.
void Walk(const tinyxml2::XMLElement* dir, Segments prefix, int depth, std::vector<Segments>& entries)
{
    if (depth > kMaxDepth)
        return;
    const char* name = dir->Attribute("name");
    if (!name)
        return;
    prefix << QByteArray(name);
    for (auto* file = dir->FirstChildElement("file"); file; file = file->NextSiblingElement("file")) {
        if (const char* text = file->GetText()) {
            entries.push_back(prefix + Segments{QByteArray(text)});
            qCDebug(lcFirmware, "catalogue entry %s", entries.back().join('/').constData());
        }
    }
    for (auto* sub = dir->FirstChildElement("dir"); sub; sub = sub->NextSiblingElement("dir"))
        Walk(sub, prefix, depth + 1, entries);
}
}  // namespace

const HttpLimits kCatalogueLimits{1 << 20, 30000, 0};
const HttpLimits kFirmwareLimits{64 << 20, 0, 30000};
const HttpLimits kVersionFileLimits{64 << 10, 30000, 0};

void ApplyLimits(QNetworkReply* reply, const HttpLimits& limits)
{
    if (limits.deadline_ms > 0)
        QTimer::singleShot(limits.deadline_ms, reply, &QNetworkReply::abort);
    QTimer* stall = nullptr;
    if (limits.stall_ms > 0) {
        stall = new QTimer(reply);
        stall->setSingleShot(true);
        QObject::connect(stall, &QTimer::timeout, reply, &QNetworkReply::abort);
        stall->start(limits.stall_ms);
    }
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, stall, limits](qint64 received, qint64) {
        if (stall)
            stall->start(limits.stall_ms);
        if (received > limits.max_bytes)
            reply->abort();
    });
}

QString UpdateServerBase()
{
    const QString configured = ReadSetting("/Config/UpdateServer").trimmed();
    const QUrl url(configured);
    if (url.isValid() && (url.scheme() == "http" || url.scheme() == "https") && !url.host().isEmpty())
        return configured.endsWith('/') ? configured.chopped(1) : configured;
    return QString::fromLatin1(kDefaultServer);
}

CMyHttp& CMyHttp::Instance()
{
    static CMyHttp* instance = new CMyHttp();  // lives until the program ends
    return *instance;
}

CMyHttp::CMyHttp() : m_manager(new QNetworkAccessManager(this)) {}

bool CMyHttp::Get(const QString& url, QByteArray& body, const HttpLimits& limits)
{
    body.clear();
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply* reply = m_manager->get(request);
    ApplyLimits(reply, limits);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    m_running = reply;
    if (!reply->isFinished())
        loop.exec();
    m_running = nullptr;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool ok = reply->error() == QNetworkReply::NoError && status == 200;
    if (ok)
        body = reply->readAll();
    reply->deleteLater();
    if (ok && body.size() <= limits.max_bytes)
        return true;
    body.clear();
    return false;
}

bool CMyHttp::Cancel()
{
    if (!m_running)
        return false;
    m_running->abort();
    return true;
}

std::vector<CatalogueEntry> ParseCatalogue(const QByteArray& xml, int model_id, bool& ok)
{
    std::vector<CatalogueEntry> kept;
    tinyxml2::XMLDocument doc(true, tinyxml2::COLLAPSE_WHITESPACE);
    ok = doc.Parse(xml.constData(), size_t(xml.size())) == tinyxml2::XML_SUCCESS;
    if (!ok)
        return kept;
    const tinyxml2::XMLElement* root = doc.FirstChildElement("root");
    if (!root)
        return kept;
    std::vector<Segments> entries;
    for (auto* dir = root->FirstChildElement("dir"); dir; dir = dir->NextSiblingElement("dir"))
        Walk(dir, {}, 1, entries);
    const QByteArray key = QString::asprintf("%05d", model_id).toLatin1();
    for (const Segments& segments : entries) {
        if (!segments.join('/').contains(key) || !std::all_of(segments.begin(), segments.end(), SafeSegment))
            continue;
        QByteArray encoded;
        for (const QByteArray& s : segments)
            encoded += (encoded.isEmpty() ? "" : "/") + s.toPercentEncoding();
        kept.push_back({QString::fromLocal8Bit(segments.last()),
                        QString::fromLatin1(kFirmwareFolder + encoded + ".dat")});
    }
    return kept;
}

uint32_t ParseVersionText(const QString& text)
{
    uint32_t value = 0;
    for (const QString& part : text.split('.'))
        value = (value << 8) | part.toUInt();
    return value;
}

uint32_t ParseWebVersion(const QString& name)
{
    QString rest = name.toLower();
    for (const char* marker : {"_v", "-v"}) {
        const int at = rest.indexOf(QLatin1String(marker));
        if (at >= 0) {
            rest = rest.mid(at + 2);
            break;
        }
    }
    static const QRegularExpression cut(QStringLiteral("[-_]"));
    const int end = rest.indexOf(cut);
    return ParseVersionText(end >= 0 ? rest.left(end) : rest);
}
