#include "Cscriptedunit.h"

#include "Frawpty.h"

#include <array>
#include <chrono>
#include <poll.h>
#include <unistd.h>
#include <utility>

namespace {

int64_t MonotonicMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// CRC-16/CCITT-FALSE by table, one byte at a time.
std::array<uint16_t, 256> CrcTable() {
    std::array<uint16_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        uint16_t c = static_cast<uint16_t>(i << 8);
        for (int k = 0; k < 8; ++k)
            c = static_cast<uint16_t>((c & 0x8000) ? (c << 1) ^ 0x1021 : c << 1);
        table[i] = c;
    }
    return table;
}

uint16_t Crc(const QByteArray& bytes) {
    static const std::array<uint16_t, 256> table = CrcTable();
    uint16_t crc = 0xFFFF;
    for (const char b : bytes)
        crc = static_cast<uint16_t>((crc << 8) ^ table[((crc >> 8) ^ uint8_t(b)) & 0xFF]);
    return crc;
}

} // namespace

TScriptedUnit::TScriptedUnit(Script script) : FScript(std::move(script)) {
    FStartMs = MonotonicMs();
    if (!OpenRawPty(FMaster, FSlave, FPath))
        return;
    FThread = std::thread([this] { Run(); });
}

TScriptedUnit::~TScriptedUnit() {
    FStop = true;
    if (FThread.joinable())
        FThread.join();
    if (FSlave >= 0)
        close(FSlave);
    if (FMaster >= 0)
        close(FMaster);
}

int64_t TScriptedUnit::NowMs() const {
    return MonotonicMs() - FStartMs;
}

QList<TScriptedUnit::Request> TScriptedUnit::Requests() const {
    std::lock_guard<std::mutex> guard(FLock);
    return FRequests;
}

int TScriptedUnit::Count(uint8_t code) const {
    int n = 0;
    for (const Request& r : Requests())
        n += r.code == code ? 1 : 0;
    return n;
}

QByteArray TScriptedUnit::Frame(uint8_t code, uint8_t seq, const QByteArray& payload) {
    QByteArray body;
    body += char(payload.size());
    body += char(code);
    body += char(seq);
    body += payload;
    const uint16_t crc = Crc(body);
    return char(0x02) + body + char(crc & 0xFF) + char(crc >> 8);
}

QByteArray TScriptedUnit::Answer(const Request& request, const QByteArray& payload) {
    return Frame(uint8_t(request.code | 0x80), request.seq, payload);
}

void TScriptedUnit::Send(const QList<Piece>& pieces) {
    Write(pieces);
}

void TScriptedUnit::Write(const QList<Piece>& pieces) {
    for (const Piece& p : pieces) {
        if (p.pauseMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(p.pauseMs));
        std::lock_guard<std::mutex> guard(FLock);
        if (!p.bytes.isEmpty() && write(FMaster, p.bytes.constData(), size_t(p.bytes.size())) < 0)
            return;
    }
}

void TScriptedUnit::Run() {
    while (!FStop) {
        pollfd p{FMaster, POLLIN, 0};
        if (poll(&p, 1, 10) <= 0 || !(p.revents & POLLIN))
            continue;
        char buffer[256];
        const ssize_t n = read(FMaster, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        FReceived.append(buffer, n);
        TakeRequests();
    }
}

void TScriptedUnit::TakeRequests() {
    for (;;) {
        const qsizetype start = FReceived.indexOf(char(0x02));
        if (start < 0) {
            FReceived.clear();
            return;
        }
        FReceived.remove(0, start);
        if (FReceived.size() < 2)
            return;
        const int n = uint8_t(FReceived[1]);
        if (FReceived.size() < n + 6)
            return;
        const QByteArray body = FReceived.mid(1, n + 3);
        const uint16_t crc = uint16_t(uint8_t(FReceived[n + 4]) | uint8_t(FReceived[n + 5]) << 8);
        if (crc != Crc(body)) {
            FReceived.remove(0, 1);
            continue;
        }
        Request r{uint8_t(body[1]), uint8_t(body[2]), body.mid(3), NowMs()};
        FReceived.remove(0, n + 6);
        {
            std::lock_guard<std::mutex> guard(FLock);
            FRequests << r;
        }
        Write(FScript(r));
    }
}
