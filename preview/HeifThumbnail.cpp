#include "preview/HeifThumbnail.h"

#include <QFile>

#include <libheif/heif.h>

#include <memory>

namespace {

template <auto Release>
struct Releaser
{
    template <typename T>
    void operator()(T *p) const { Release(p); }
};
using Context = std::unique_ptr<heif_context, Releaser<heif_context_free>>;
using Handle = std::unique_ptr<heif_image_handle, Releaser<heif_image_handle_release>>;
using Image = std::unique_ptr<heif_image, Releaser<heif_image_release>>;

}

QImage DecodeHeif(const QString &path)
{
    const Context context(heif_context_alloc());
    if (!context || heif_context_read_from_file(context.get(), QFile::encodeName(path).constData(), nullptr).code
                        != heif_error_Ok)
        return {};
    heif_image_handle *primary = nullptr;
    if (heif_context_get_primary_image_handle(context.get(), &primary).code != heif_error_Ok)
        return {};
    Handle handle(primary);
    heif_item_id thumbnailId = 0;
    if (heif_image_handle_get_list_of_thumbnail_IDs(handle.get(), &thumbnailId, 1) == 1) {
        heif_image_handle *thumbnail = nullptr;
        if (heif_image_handle_get_thumbnail(handle.get(), thumbnailId, &thumbnail).code == heif_error_Ok)
            handle.reset(thumbnail);
    }
    heif_image *decoded = nullptr;
    if (heif_decode_image(handle.get(), &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr).code
        != heif_error_Ok)
        return {};
    const Image image(decoded);
    int stride = 0;
    const uint8_t *pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    if (!pixels || width <= 0 || height <= 0)
        return {};
    return QImage(pixels, width, height, stride, QImage::Format_RGB888).copy();
}
