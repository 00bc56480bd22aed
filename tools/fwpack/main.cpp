// corvanta-fwpack: builds a firmware file (".dat") from layout INI texts and
// image files, optionally damaged, for tests and the demo.
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const char* const kUsage =
    "Usage: corvanta-fwpack --out FILE.dat --model ID [--section LAYOUT.ini IMAGE]... [options]\n"
    "Builds a firmware file: a header for model ID, one record per section, each\n"
    "section's layout text and its zlib image scrambled with XOR 0xA7.\n"
    "\n"
    "  --data-length-delta N   declare every image N bytes longer (negative: shorter)\n"
    "  --damage token          break the \"Data Number\" token\n"
    "  --damage header         break the header checksum\n"
    "  --damage record:K       break the checksum of record K (1-based)\n"
    "  --damage sections:N     declare N sections (checksum kept valid)\n"
    "  --damage truncate:B     cut the file to B bytes\n"
    "  --help                  this text\n";

[[noreturn]] void Fail(const QString& text)
{
    std::fprintf(stderr, "corvanta-fwpack: %s\n", qPrintable(text));
    std::exit(2);
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read %1").arg(path));
    return f.readAll();
}

void PutLE(QByteArray& b, int at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char(v >> (8 * i));
}

void SealChecksum(QByteArray& block)
{
    uint32_t sum = 0;
    for (int i = 0; i < 124; ++i)
        sum += uint8_t(block[i]);
    PutLE(block, 124, sum);
}

QByteArray Packed(const QByteArray& image)
{
    uLongf size = compressBound(uLong(image.size()));
    QByteArray out(int(size), 0);
    if (compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(image.constData()),
                 uLong(image.size())) != Z_OK)
        Fail(QStringLiteral("zlib failed"));
    out.resize(int(size));
    for (char& c : out)
        c = char(c ^ 0xA7);
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString out, model;
    std::vector<std::pair<QByteArray, QByteArray>> sections;  // layout, image
    QStringList damages;
    int delta = 0;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&]() -> QString {
            if (i + 1 >= args.size())
                Fail(QStringLiteral("%1 needs a value").arg(a));
            return args[++i];
        };
        if (a == "--help") {
            std::printf("%s", kUsage);
            return 0;
        } else if (a == "--out") {
            out = value();
        } else if (a == "--model") {
            model = value();
        } else if (a == "--section") {
            const QString layout = value();
            sections.emplace_back(ReadAll(layout), ReadAll(value()));
        } else if (a == "--damage") {
            damages << value();
        } else if (a == "--data-length-delta") {
            delta = value().toInt();
        } else {
            Fail(QStringLiteral("unknown option %1 (see --help)").arg(a));
        }
    }
    if (out.isEmpty() || model.isEmpty())
        Fail(QStringLiteral("--out and --model are required (see --help)"));

    const int count = int(sections.size());
    QByteArray header(128, 0);
    const QByteArray id = model.toLatin1().left(80);  // 80 characters leave no terminator
    header.replace(32, id.size(), id);
    header.replace(112, 11, "Data Number");
    header[123] = char(count);
    QByteArray body;
    QByteArray records;
    int at = 128 + 128 * count;
    for (const auto& [layout, image] : sections) {
        const QByteArray packed = Packed(image);
        QByteArray record(128, 0);
        PutLE(record, 64, uint32_t(at));
        PutLE(record, 68, uint32_t(layout.size()));
        PutLE(record, 76, uint32_t(packed.size()));
        PutLE(record, 112, uint32_t(at + layout.size()));
        PutLE(record, 116, uint32_t(image.size() + delta));
        SealChecksum(record);
        records += record;
        body += layout + packed;
        at += layout.size() + packed.size();
    }
    for (const QString& d : damages) {
        if (d == "token")
            header[112] = 'd';
        else if (d.startsWith("sections:"))
            header[123] = char(d.mid(9).toInt());
    }
    SealChecksum(header);
    for (const QString& d : damages) {
        if (d == "header")
            header[124] = char(header[124] ^ 1);
        else if (d.startsWith("record:")) {
            const int k = d.mid(7).toInt();
            if (k < 1 || k > count)
                Fail(QStringLiteral("no record %1").arg(k));
            records[(k - 1) * 128] = char(records[(k - 1) * 128] ^ 1);
        }
    }
    QByteArray file = header + records + body;
    for (const QString& d : damages) {
        if (d.startsWith("truncate:"))
            file.truncate(d.mid(9).toInt());
    }
    QFile f(out);
    if (!f.open(QIODevice::WriteOnly) || f.write(file) != file.size())
        Fail(QStringLiteral("cannot write %1").arg(out));
    return 0;
}
