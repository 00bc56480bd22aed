#pragma once
// Audio files through libsndfile: reading every format it knows (WAV in all
// its forms, AIFF, FLAC, Ogg, MP3, ...) as float frames, and writing 24-bit
// FLAC to any Qt device.
#include <QString>

#include <sndfile.h>

#include <cstdint>

class CWave;
class QIODevice;

class CSoundFileReader {
public:
    CSoundFileReader() = default;
    ~CSoundFileReader();
    CSoundFileReader(const CSoundFileReader&) = delete;
    CSoundFileReader& operator=(const CSoundFileReader&) = delete;

    // Opens path; false with libsndfile's reason in problem.
    bool Open(const QString& path, QString& problem);
    const SF_INFO& info() const { return m_info; }
    // Up to n interleaved frames into out; 0 at the end or on an error.
    int64_t Read(float* out, int64_t n);
    // libsndfile's reason for a failed read, empty when there was none.
    QString ReadProblem() const;

private:
    SNDFILE* m_file = nullptr;
    SF_INFO m_info{};
};

// Writes wave (24-bit integer PCM) as a FLAC file in blocks, letting the
// event loop run between them; false when any write fails or a cancel was
// asked for.
bool WriteFlac(QIODevice& device, const CWave& wave);

// File name patterns of the formats libsndfile reads ("*.wav *.aiff ...").
QString ReadableAudioPatterns();
