#pragma once
// Faults the virtual pedal can be told to show at its Nth command.
#include <QString>

#include <cstdint>
#include <optional>

enum class FaultKind {
    Drop,         // execute, send no reply
    Lose,         // the command is lost on the way: not executed, no reply
    Refuse,       // do not execute, reply with a refused status
    BadChecksum,  // corrupt the reply's checksum byte
    BadType,      // change the reply's type byte
    Short,        // cut the reply to param bytes (default: half)
    WrongAddress, // echo a wrong address
    WrongLength,  // echo a wrong data length
    LieLength,    // a payload length field that disagrees with the bytes sent
    RealTime,     // interleave real-time bytes (0xF8, 0xFE) into the reply
    Oversize,     // answer with one message longer than any receive buffer
    Delay,        // reply after param milliseconds
    Power,        // lose power before the command: nothing more is answered or written
    Torn,         // lose power in the middle: only param bytes programmed or erased
    BitFlip,      // a worn cell: a write programs one bit less than asked
};

struct FaultRule {
    FaultKind kind;
    uint32_t param = 0;    // 0 = the kind's default
    uint32_t at = 1;       // the Nth command (1-based) ...
    int code = -1;         // ... of this command code, or of any when -1
};

// "KIND[:PARAM]@N[/CODE]", for example "drop@3", "delay:300@2/0x23",
// "torn:100@5/0x22". Kinds: drop lose refuse checksum type short address length
// lie realtime oversize delay power torn flip.
std::optional<FaultRule> ParseFault(const QString& text);

// The help text for the syntax above.
QString FaultSyntaxHelp();
