// A second process for the state-file tests: drives the CX2740 of the world
// that DVC_SIM names through the transports.
//   sim_peer set <code> <value>     value write over HID
//   sim_peer get <code>             value read over DDC/CI, printed
//   sim_peer increment <code> <n>   n read-modify-writes under the HID device lock
//   sim_peer mutex                  writes this process id to the monitor mutex (DDC/CI), printed
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <ddclink/ddclink.h>
#include <hidlink/hidlink.h>

int main(int argc, char** argv) {
    uint32_t h = 0, v = 0;
    if (argc < 2 || DvDDCCISetCommunicationType(0) != 0 || DvDDCCIFind() < 1 || DvHIDFind() < 1 ||
        DvHIDRetrieve(0, &h) != 0)
        return 3;
    const std::string cmd = argv[1];
    const auto arg = [&](int i) { return argc > i ? static_cast<uint32_t>(std::strtoul(argv[i], nullptr, 0)) : 0u; };
    int rc = 2;
    if (cmd == "set" && argc == 4) {
        rc = DvHIDSetValue(h, arg(2), arg(3), 0) == 0 ? 0 : 1;
    } else if (cmd == "get" && argc == 3) {
        rc = DvDDCCIGetValue(0, arg(2), &v) == 0 ? 0 : 1;
        std::printf("%u\n", v);
    } else if (cmd == "increment" && argc == 4) {
        rc = 0;
        for (uint32_t i = 0; i < arg(3) && rc == 0; ++i) {
            if (DvHIDEnterCriticalSection(h) != 0) rc = 4;
            else if (DvHIDGetValue(h, arg(2), &v) != 0 || DvHIDSetValue(h, arg(2), v + 1, 0) != 0) rc = 5;
            if (DvHIDExitCriticalSection(h) != 0 && rc == 0) rc = 6;
        }
    } else if (cmd == "mutex") {
        v = static_cast<uint32_t>(getpid());
        rc = DvDDCCISetValue(0, 0xB8, &v) == 0 ? 0 : 1;
        std::printf("%u\n", v);
    }
    DvHIDRelease();
    DvDDCCIRelease();
    return rc;
}
