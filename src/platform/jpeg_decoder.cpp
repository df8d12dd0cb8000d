// JPEG decoding with libjpeg. libjpeg reports fatal errors by calling
// error_exit, which by default ends the process; ours jumps back here instead,
// so a damaged picture only fails to load.
#include <SDL2/SDL.h>

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

#include "platform/canvas.hpp"

namespace glossamo {

namespace {

struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void jumpOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void ignoreWarning(j_common_ptr, int) {}

// Everything that must survive the longjmp lives outside the function that
// calls setjmp, so no local object with a destructor is skipped.
struct JpegJob {
    jpeg_decompress_struct info{};
    JumpingErrorManager errors{};
    FILE* file = nullptr;
    SDL_Surface* surface = nullptr;
};

bool runDecode(JpegJob& job, std::string& sizeError) {
    if (setjmp(job.errors.jump)) return false;
    jpeg_create_decompress(&job.info);
    jpeg_stdio_src(&job.info, job.file);
    jpeg_read_header(&job.info, TRUE);
    if (!pictureSizeAllowed(job.info.image_width, job.info.image_height, sizeError)) return false;
    job.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&job.info);
    job.surface = SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(job.info.output_width),
                                                 static_cast<int>(job.info.output_height), 24,
                                                 SDL_PIXELFORMAT_RGB24);
    if (!job.surface) return false;
    while (job.info.output_scanline < job.info.output_height) {
        JSAMPROW row = static_cast<JSAMPROW>(job.surface->pixels) +
                       static_cast<std::size_t>(job.info.output_scanline) * job.surface->pitch;
        jpeg_read_scanlines(&job.info, &row, 1);
    }
    jpeg_finish_decompress(&job.info);
    return true;
}

}  // namespace

SDL_Surface* decodeJpeg(const std::string& path, std::string& error) {
    JpegJob job;
    job.file = std::fopen(path.c_str(), "rb");
    if (!job.file) {
        error = "cannot open " + path;
        return nullptr;
    }
    job.info.err = jpeg_std_error(&job.errors.base);
    job.errors.base.error_exit = jumpOnError;
    job.errors.base.emit_message = ignoreWarning;
    job.errors.message[0] = '\0';

    std::string sizeError;
    const bool ok = runDecode(job, sizeError);
    jpeg_destroy_decompress(&job.info);
    std::fclose(job.file);
    if (!ok) {
        error = !sizeError.empty() ? sizeError : job.errors.message[0] ? job.errors.message : "cannot decode " + path;
        SDL_FreeSurface(job.surface);
        return nullptr;
    }
    return job.surface;
}

}  // namespace glossamo
