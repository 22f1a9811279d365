/* Lists the monitors libdvc finds, with the path that found each.
 * Run on the virtual monitors: DVC_SIM=default ./list_monitors */
#include <libdvc/libdvc.h>
#include <stdio.h>

int main(void) {
    int n = DvCtrlFind(NULL, 0); /* default order: HID, then DDC/CI */
    printf("%d monitor(s)\n", n);
    for (int i = 0; i < n; ++i) {
        char serial[9], model[17];
        int kind = -1;
        if (DvCtrlGetSerialProduct(i, serial, model) != DvOk) continue;
        DvCtrlGetCommunicationPath(serial, model, &kind);
        printf("%d  %-8s  %-16s  path kind %d\n", i, serial, model, kind);
    }
    DvCtrlRelease();
    return 0;
}
