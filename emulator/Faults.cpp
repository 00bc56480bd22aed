#include "Faults.h"

#include <QRegularExpression>

namespace {
struct KindName {
    const char* name;
    FaultKind kind;
};
const KindName kKinds[] = {
    {"drop", FaultKind::Drop},           {"lose", FaultKind::Lose},            {"refuse", FaultKind::Refuse},
    {"checksum", FaultKind::BadChecksum}, {"type", FaultKind::BadType},        {"short", FaultKind::Short},
    {"address", FaultKind::WrongAddress}, {"length", FaultKind::WrongLength},  {"lie", FaultKind::LieLength},
    {"realtime", FaultKind::RealTime},   {"oversize", FaultKind::Oversize},   {"delay", FaultKind::Delay},
    {"power", FaultKind::Power},         {"torn", FaultKind::Torn},           {"flip", FaultKind::BitFlip},
};
}  // namespace

std::optional<FaultRule> ParseFault(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([a-z]+)(?::(\\d+))?@(\\d+)(?:/(0x[0-9a-fA-F]+|\\d+))?$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    for (const KindName& k : kKinds) {
        if (m.captured(1) != QLatin1String(k.name))
            continue;
        FaultRule rule{k.kind};
        bool ok = true;
        if (m.capturedLength(2))
            rule.param = m.captured(2).toUInt(&ok);
        rule.at = m.captured(3).toUInt();
        if (m.capturedLength(4))
            rule.code = int(m.captured(4).toUInt(&ok, 0));
        if (!ok || rule.at == 0 || rule.code > 0xFF)
            return std::nullopt;
        return rule;
    }
    return std::nullopt;
}

QString FaultSyntaxHelp()
{
    return QStringLiteral(
        "KIND[:PARAM]@N[/CODE]: show the fault at the Nth command, counting all commands or only\n"
        "those with command CODE (0x11 identify, 0x21 erase, 0x22 write, 0x23 read, 0x24 checksum;\n"
        "in play mode the second byte of the raw command). Kinds:\n"
        "  drop           execute, send no reply       refuse     reply with a refused status\n"
        "  lose           the command never arrives: not executed, no reply\n"
        "  checksum       corrupt the reply checksum   type       change the reply type byte\n"
        "  short[:K]      cut the reply to K bytes     address    echo a wrong address\n"
        "  length         echo a wrong data length     lie        wrong payload length field\n"
        "  realtime       real-time bytes in reply     oversize   one 60,000-byte message\n"
        "  delay[:MS]     reply MS ms late (300)       power      power lost from here on\n"
        "  torn[:K]       power lost mid-command: only K bytes programmed or erased (default half)\n"
        "  flip           a worn cell: the write leaves one bit set that it should clear");
}
