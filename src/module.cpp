// The shared library's own translation unit. Loading the module runs no
// code beyond the construction of its process-wide objects, which live in
// the archive that this library takes whole.
