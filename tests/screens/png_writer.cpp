// The PNG writer that the screen tests share (screenshots, gallery captures): compiled once for
// the whole test program.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
