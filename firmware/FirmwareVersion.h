#pragma once
// What a firmware update will change, told before anything is erased: the
// version a file brings, how it compares with the pedal's, and the question
// that names both.
#include <QString>

#include <cstdint>
#include <optional>

// A firmware file as the update would take it: whether it decodes, and the
// version its flash-0 image writes into the pedal's information block (the
// version the pedal reports after the update); none when no image writes it.
struct OfferedFirmware {
    bool readable = false;
    QString error_text;
    std::optional<uint32_t> version;
};
OfferedFirmware ReadOfferedFirmware(const QString& path);

// The model's name, e.g. "KORVEL", or "pedal of model 12345" for a model the table lacks.
QString ModelName(int32_t model_id);

// "newer than the pedal's", "the same as the pedal's" or "older than the
// pedal's"; installed -1 (not read) says so instead.
QString ComparedWithInstalled(uint32_t offered, int32_t installed);

// The one question before an update: the model, both versions and that the
// pedal must stay plugged in.
QString UpdateQuestion(int32_t model_id, int32_t installed, std::optional<uint32_t> offered);
