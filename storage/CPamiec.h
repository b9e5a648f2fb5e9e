#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// A growable byte buffer with a cursor, typed little-endian writes and reads,
// and a checksummed save to and load from a file. Reads never leave the
// buffer: bytes missing at the end of the data read as 0.
class CPamiec {
public:
    CPamiec() = default;

    void SetDelta(int n) { Delta = n; }
    int GetDelta() const { return Delta; }

    int WriteData(const void* bytes, int count);
    void WriteByte(std::uint8_t b);
    void WriteInt(std::int32_t v);
    // One byte per character (characters above U+00FF as '?'), then a 0 byte.
    void WriteString(const QString& s);

    int ReadData(void* buffer, int count);
    std::uint8_t ReadByte();
    std::int32_t ReadInt();
    QString ReadString();

    const std::uint8_t* Memory() const { return bufor_.data(); }
    int Size() const { return static_cast<int>(bufor_.size()); }
    int Position() const { return kursor_; }
    // No data left after the cursor: a field that an older file lacks is
    // told apart from one that holds 0.
    bool AtEnd() const { return kursor_ >= Size(); }
    void SetPosition(int pozycja);

    // Sum of the bytes from..to-1, each taken as a signed 8-bit value, in a
    // 32-bit integer that wraps around.
    std::int32_t Checksum(int from, int to) const;

    // The largest file LoadFromFile reads. A settings record with every text
    // as long as an edit box holds stays well below it.
    static constexpr int NajwiekszyPlik = 256 * 1024;

    // Writes the checksum of the data before the cursor, then that data, as
    // ZapiszAtomowo writes every file: on any failure, and for anything but a
    // regular file, the old file stays as it was and "Cannot create file %s"
    // is raised.
    void SaveToFile(const QString& path) const;

    // False when the file does not exist, is shorter than 4 bytes or its
    // checksum does not match. Raises "Cannot open file %s" when an existing
    // file cannot be read, is not a regular file or is larger than
    // NajwiekszyPlik. On true the cursor stands after the checksum.
    bool LoadFromFile(const QString& path);

private:
    std::vector<std::uint8_t> bufor_;
    int kursor_ = 0;
    int Delta = 1000;
};
