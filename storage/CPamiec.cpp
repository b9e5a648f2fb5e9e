#include "storage/CPamiec.h"

#include "storage/ZapisAtomowy.h"
#include "toolkit/core/UserError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <cstring>
#include <stdexcept>

namespace {

QString pelnaNazwa(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace

int CPamiec::WriteData(const void* bytes, int count) {
    if (count <= 0 || !bytes)
        return 0;
    const std::int64_t koniec = std::int64_t(kursor_) + count;
    std::int64_t rozmiar = Size();
    if (Delta > 0 && koniec >= rozmiar)
        rozmiar += Delta;
    rozmiar = std::max(rozmiar, koniec);
    if (rozmiar > INT_MAX)
        throw std::length_error("CPamiec: the buffer cannot grow past 2 GiB");
    if (rozmiar != Size())
        bufor_.resize(static_cast<std::size_t>(rozmiar));
    std::memcpy(bufor_.data() + kursor_, bytes, static_cast<std::size_t>(count));
    kursor_ += count;
    return count;
}

void CPamiec::WriteByte(std::uint8_t b) {
    WriteData(&b, 1);
}

void CPamiec::WriteInt(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    const std::uint8_t bajty[4] = {std::uint8_t(u), std::uint8_t(u >> 8), std::uint8_t(u >> 16),
                                   std::uint8_t(u >> 24)};
    WriteData(bajty, 4);
}

void CPamiec::WriteString(const QString& s) {
    // One byte per character: Latin-1 as it is, anything beyond it as '?'.
    for (const char32_t znak : s.toUcs4())
        WriteByte(znak <= 0xFF ? static_cast<std::uint8_t>(znak) : std::uint8_t('?'));
    WriteByte(0);
}

int CPamiec::ReadData(void* buffer, int count) {
    if (count <= 0 || !buffer)
        return 0;
    const int ile = std::min(count, Size() - kursor_);
    if (ile <= 0)
        return 0;
    std::memcpy(buffer, bufor_.data() + kursor_, static_cast<std::size_t>(ile));
    kursor_ += ile;
    return ile;
}

std::uint8_t CPamiec::ReadByte() {
    std::uint8_t b = 0;
    ReadData(&b, 1);
    return b;
}

std::int32_t CPamiec::ReadInt() {
    std::uint8_t bajty[4] = {0, 0, 0, 0};
    ReadData(bajty, 4);
    const std::uint32_t u = std::uint32_t(bajty[0]) | (std::uint32_t(bajty[1]) << 8)
                            | (std::uint32_t(bajty[2]) << 16) | (std::uint32_t(bajty[3]) << 24);
    return static_cast<std::int32_t>(u);
}

QString CPamiec::ReadString() {
    CPamiec zebrane;
    zebrane.SetDelta(100);
    std::uint8_t b = 0;
    while (ReadData(&b, 1) == 1 && b != 0)
        zebrane.WriteByte(b);
    return QString::fromLatin1(reinterpret_cast<const char*>(zebrane.Memory()), zebrane.Position());
}

void CPamiec::SetPosition(int pozycja) {
    kursor_ = std::clamp(pozycja, 0, Size());
}

std::int32_t CPamiec::Checksum(int from, int to) const {
    from = std::clamp(from, 0, Size());
    to = std::clamp(to, from, Size());
    // Unsigned, so that the sum wraps around in 32 bits without overflow.
    std::uint32_t suma = 0;
    for (int i = from; i < to; ++i)
        suma += static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<std::int8_t>(bufor_[i])));
    return static_cast<std::int32_t>(suma);
}

void CPamiec::SaveToFile(const QString& path) const {
    CPamiec naglowek;
    naglowek.WriteInt(Checksum(0, kursor_));
    QByteArray dane(reinterpret_cast<const char*>(naglowek.Memory()), 4);
    dane.append(reinterpret_cast<const char*>(bufor_.data()), kursor_);
    ZapiszAtomowo(path, dane);
}

bool CPamiec::LoadFromFile(const QString& path) {
    const QFileInfo zrodlo(path);
    if (!zrodlo.exists())
        return false;
    const UserError blad(QStringLiteral("Cannot open file ") + pelnaNazwa(path));
    // Only a regular file is read: a pipe would wait for a writer forever and
    // a device may never end.
    if (!zrodlo.isFile())
        throw blad;
    QFile plik(path);
    if (!plik.open(QIODevice::ReadOnly))
        throw blad;
    const QByteArray dane = plik.read(NajwiekszyPlik + 1);
    if (plik.error() != QFileDevice::NoError || dane.size() > NajwiekszyPlik)
        throw blad;

    bufor_.assign(dane.begin(), dane.end());
    kursor_ = 0;
    if (Size() < 4)
        return false;
    const std::int32_t zapisana = ReadInt();
    return zapisana == Checksum(4, Size());
}
