// A point or vector in three dimensions: the geometry of 3D LUT resampling.
// A plain value class (no virtual members) so that arrays of corners and
// planes stay on the stack and in registers.
#pragma once

namespace dvc::lut3d {

struct C3DCoodinates {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline C3DCoodinates operator+(const C3DCoodinates& a, const C3DCoodinates& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline C3DCoodinates operator-(const C3DCoodinates& a, const C3DCoodinates& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline C3DCoodinates operator*(const C3DCoodinates& a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline C3DCoodinates operator/(const C3DCoodinates& a, double s) { return {a.x / s, a.y / s, a.z / s}; }
inline C3DCoodinates Cross(const C3DCoodinates& a, const C3DCoodinates& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
// Left to right, as every caller that must agree to the bit expects.
inline double Dot(const C3DCoodinates& a, const C3DCoodinates& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

}  // namespace dvc::lut3d
