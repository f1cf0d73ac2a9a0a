// Name, port and protocol resolution of the socket layer, and the time-value helpers.
#include <cctype>
#include <cstdio>

#include "net/custom_async_socket.h"

namespace fv {

namespace {

std::string Format(const char* fmt, const std::string& text, int number) {
    char out[512];
    std::snprintf(out, sizeof out, fmt, text.substr(0, 300).c_str(), number);
    return out;
}

std::string Trimmed(const std::string& s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    std::size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

}  // namespace

bool IsDottedAddress(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i >= text.size() || text[i] == '.') return false;
    int dots = 0;
    unsigned part = 0;
    bool inPart = false;
    for (; i < text.size() && text[i] != ' '; ++i) {
        char c = text[i];
        if (c == '.') {
            if (!inPart) return false;
            ++dots;
            part = 0;
            inPart = false;
            // Each dot must be followed by a digit.
            if (i + 1 >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i + 1]))) return false;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            part = part * 10 + unsigned(c - '0');
            if (part > 255) return false;
            inPart = true;
        } else {
            return false;
        }
    }
    for (; i < text.size(); ++i)
        if (text[i] != ' ') return false;
    return dots == 3;
}

std::uint32_t AsyncSocketResolveHost(const std::string& name) {
    if (name.empty() || name.size() > 256)
        throw ESocketException("AsyncSocketResolveHost: '" + name + "' Invalid Hostname.");
    if (IsDottedAddress(name)) {
        std::uint32_t ip = 0;
        if (!sock::ParseDotted(Trimmed(name), ip) && Trimmed(name) != "255.255.255.255")
            throw ESocketException("AsyncSocketResolveHost: '" + name + "' Invalid IP address.");
        return ip;
    }
    LookupResult r = HostLookup::ResolveName(name);
    if (r.Error != 0 || r.Results.empty())
        throw ESocketException(Format("AsyncSocketResolveHost: Cannot convert host address '%s', Error #%d", name,
                                      r.Error ? r.Error : SockNO_DATA));
    std::uint32_t ip = 0;
    sock::ParseDotted(r.Results.front(), ip);
    return ip;
}

int AsyncSocketResolvePort(const std::string& port, const std::string& proto) {
    if (port.empty() || port.size() >= 32) throw ESocketException("AsyncSocketResolvePort: Invalid Port.");
    if (std::isdigit(static_cast<unsigned char>(port[0]))) {
        long value = 0;
        for (char c : port) {
            if (c == ' ') continue;
            if (!std::isdigit(static_cast<unsigned char>(c))) break;
            value = value * 10 + (c - '0');
            // A number beyond the 16 bits of a port would silently become another port.
            if (value > 65535) throw ESocketException("AsyncSocketResolvePort: Invalid Port.");
        }
        return int(value);
    }
    int number = 0;
    int err = sock::LookupService(port, proto, number);
    if (err != 0) throw ESocketException(Format("AsyncSocketResolvePort: Cannot convert port '%s', Error #%d", port, err));
    return number;
}

int AsyncSocketResolveProto(const std::string& proto) {
    if (proto.empty() || proto.size() >= 32) throw ESocketException("AsyncSocketResolveProto: Invalid Protocol.");
    if (std::isdigit(static_cast<unsigned char>(proto[0]))) {
        int value = 0;
        for (char c : proto) {
            if (!std::isdigit(static_cast<unsigned char>(c))) break;
            value = value * 10 + (c - '0');
            if (value > 255) throw ESocketException("AsyncSocketResolveProto: Invalid Protocol.");
        }
        return value;
    }
    int number = 0;
    int err = sock::LookupProtocol(proto, number);
    if (err != 0)
        throw ESocketException(Format("AsyncSocketResolveProto: Cannot convert protocol '%s', Error #%d", proto, err));
    return number;
}

bool TimeValueIsSet(const TTimeVal& t) { return t.Sec != 0 || t.USec != 0; }

void ClearTimeValue(TTimeVal& t) { t.Sec = t.USec = 0; }

bool CompareTimeValues(const TTimeVal& a, const TTimeVal& b, bool equalFlag) {
    bool equal = a.Sec == b.Sec && a.USec == b.USec;
    return equal ? equalFlag : !equalFlag;
}

}  // namespace fv
