#pragma once
// The update server: its base URL, a blocking HTTP client, the firmware
// catalogue "path.xml" and the version numbers of firmware names.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QNetworkAccessManager;

// The update server's base URL: "/Config/UpdateServer" of the settings file
// when it is an http or https URL, else the default.
QString UpdateServerBase();

class QNetworkReply;

// What a request may take: a size cap, and time limits in milliseconds (0: none).
struct HttpLimits {
    qint64 max_bytes;
    int deadline_ms = 0;  // for the whole request
    int stall_ms = 0;     // without a byte received
};
// The catalogue: 1 MiB in 30 s in all. A firmware file: 64 MiB, 30 s
// without progress. The program's version file: 64 KiB in 30 s in all.
extern const HttpLimits kCatalogueLimits;
extern const HttpLimits kFirmwareLimits;
extern const HttpLimits kVersionFileLimits;

// Ends reply when it outgrows or outlasts limits; whether it did shows in
// the reply's error (OperationCanceledError).
void ApplyLimits(QNetworkReply* reply, const HttpLimits& limits);

class CMyHttp : public QObject {
public:
    static CMyHttp& Instance();
    // Blocking GET: true only for a finished reply with status 200 within
    // limits; redirects are not followed.
    bool Get(const QString& url, QByteArray& body, const HttpLimits& limits);
    // Ends the request in progress, if any (it then fails); true when there was one.
    bool Cancel();

private:
    CMyHttp();
    QNetworkAccessManager* m_manager;
    QNetworkReply* m_running = nullptr;
};

struct CatalogueEntry {
    QString display;  // the last path component
    QString path;     // "/velmo_update/Firmware/" + entry + ".dat", segments percent-encoded
};

// The entries of the catalogue that contain the model key ("%05d" of the
// model id), in document order. ok is false when the XML is not well formed.
std::vector<CatalogueEntry> ParseCatalogue(const QByteArray& xml, int model_id, bool& ok);

uint32_t ParseVersionText(const QString& text);
uint32_t ParseWebVersion(const QString& name);
