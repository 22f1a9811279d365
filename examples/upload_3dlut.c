/* upload_3dlut: build an identity 3D LUT on the standard 17-node levels,
 * resample it onto the first monitor's own grid, warm it slightly, send it
 * and read it back. Run with DVC_SIM=grading to use the virtual monitors. */
#include <stdio.h>
#include <stdlib.h>

#include <libdvc/libdvc.h>

int main(void) {
    uint16_t levels17[17];
    if (DvCtrlHelperGetStandardGridLevels(17, levels17) != DvOk) return 1;
    static uint16_t identity[3 * 17 * 17 * 17];
    for (int i = 0; i < 17; ++i)
        for (int j = 0; j < 17; ++j)
            for (int k = 0; k < 17; ++k) {
                uint16_t *node = &identity[((i * 17 + j) * 17 + k) * 3];
                node[0] = (uint16_t)(levels17[i] * 257);
                node[1] = (uint16_t)(levels17[j] * 257);
                node[2] = (uint16_t)(levels17[k] * 257);
            }

    int found = DvCtrlFind(NULL, 0);
    char serial[9] = {0}, model[17] = {0};
    int grid = 0;
    for (int m = 0; m < found && grid == 0; ++m) {
        DvCtrlGetSerialProduct(m, serial, model);
        grid = DvCtrlGet3DLUTGridCount(serial, model);
    }
    if (grid <= 0) {
        fprintf(stderr, "no monitor with a transferable 3D LUT\n");
        DvCtrlRelease();
        return 1;
    }
    uint16_t *levels = malloc(sizeof *levels * (size_t)grid);
    size_t values = 3u * (size_t)grid * (size_t)grid * (size_t)grid;
    uint16_t *lut = malloc(sizeof *lut * values), *back = malloc(sizeof *back * values);
    int status = 1;
    if (levels && lut && back && DvCtrlGet3DLUTGridLevels(serial, model, levels, (uint16_t)grid) == DvOk) {
        DvCtrlHelperInterpolate3DLUT(identity, levels17, 17, lut, levels, (uint16_t)grid);
        for (size_t v = 2; v < values; v += 3) lut[v] = (uint16_t)(lut[v] * 0.95); /* a little less blue */
        DvError sent = DvCtrlSet3DLUTDirect(serial, model, lut, (uint16_t)grid);
        DvError read = DvCtrlGet3DLUTDirect(serial, model, back, (uint16_t)grid);
        size_t same = 0;
        for (size_t v = 0; v < values; ++v) same += lut[v] == back[v];
        printf("%s %s: %d-node grid, sent %s, read back %s, %zu of %zu values equal\n", model, serial, grid,
               DvErrorName(sent), DvErrorName(read), same, values);
        status = sent == DvOk && read == DvOk && same == values ? 0 : 1;
    }
    free(levels);
    free(lut);
    free(back);
    DvCtrlRelease();
    return status;
}
