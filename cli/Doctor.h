#pragma once
// corvanta-cli doctor: what the program sees of the MIDI paths and the pedal.
struct CliRequest;
class IMidiService;

// Prints the report; 0 when a pedal is usable for every command, 1 otherwise.
int Doctor(const CliRequest& request, IMidiService& midi);
