#include "WebCatalogue.h"

#include "AppFiles.h"

#include <QDebug>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

#include <tinyxml2.h>

namespace {
const char* const kDefaultServer = "https://update.corvanta.example";
const char* const kFirmwareFolder = "/velmo_update/Firmware/";
constexpr int kMaxDepth = 32;
constexpr int kStallMs = 30000;

// A path segment that stays inside the firmware folder.
bool SafeSegment(const QString& s)
{
    if (s.isEmpty() || s == "." || s == ".." || s.contains('\\') || s.contains('/'))
        return false;
    for (const QChar c : s) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    return true;
}

void Walk(const tinyxml2::XMLElement* dir, QStringList prefix, int depth, std::vector<QStringList>& entries)
{
    if (depth > kMaxDepth)
        return;
    const char* name = dir->Attribute("name");
    if (!name)
        return;
    prefix << QString::fromLocal8Bit(name);
    for (auto* file = dir->FirstChildElement("file"); file; file = file->NextSiblingElement("file")) {
        if (const char* text = file->GetText()) {
            entries.push_back(prefix + QStringList{QString::fromLocal8Bit(text)});
            qDebug("%s", qPrintable(entries.back().join('/')));
        }
    }
    for (auto* sub = dir->FirstChildElement("dir"); sub; sub = sub->NextSiblingElement("dir"))
        Walk(sub, prefix, depth + 1, entries);
}
}  // namespace

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

bool CMyHttp::Get(const QString& url, QByteArray& body, qint64 maxBytes)
{
    body.clear();
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply* reply = m_manager->get(request);
    QEventLoop loop;
    QTimer stall;
    stall.setSingleShot(true);
    bool tooLarge = false;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&stall, &QTimer::timeout, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::downloadProgress, [&](qint64 received, qint64) {
        stall.start(kStallMs);
        if (received > maxBytes && !tooLarge) {
            tooLarge = true;
            reply->abort();
        }
    });
    stall.start(kStallMs);
    if (!reply->isFinished())
        loop.exec();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool ok = !tooLarge && reply->error() == QNetworkReply::NoError && status == 200;
    if (ok)
        body = reply->readAll();
    reply->deleteLater();
    return ok && body.size() <= maxBytes;
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
    std::vector<QStringList> entries;
    for (auto* dir = root->FirstChildElement("dir"); dir; dir = dir->NextSiblingElement("dir"))
        Walk(dir, {}, 1, entries);
    const QString key = QString::asprintf("%05d", model_id);
    for (const QStringList& segments : entries) {
        const QString entry = segments.join('/');
        if (!entry.contains(key) || !std::all_of(segments.begin(), segments.end(), SafeSegment))
            continue;
        QStringList encoded;
        for (const QString& s : segments)
            encoded << QString::fromLatin1(QUrl::toPercentEncoding(s));
        kept.push_back({segments.last(), kFirmwareFolder + encoded.join('/') + ".dat"});
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
