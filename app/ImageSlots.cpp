#include "app/ImageSlots.h"

#include "app/Playlist.h"
#include "framework/app/Resources.h"
#include "framework/image/ImageIo.h"

namespace fraglume {

using namespace lume;
using namespace lume::app;

gl::Texture::Format imageSlotFormat()
{
    gl::Texture::Format format;
    format.setTarget(GL_TEXTURE_2D);
    format.setWrap(GL_REPEAT, GL_REPEAT);
    format.setMinFilter(GL_LINEAR);
    format.setMagFilter(GL_LINEAR);
    return format;
}

std::shared_ptr<gl::Texture> loadImageSlot(int slot)
{
    ImageSourceRef image = loadImage(loadResource(kImageSlotIds.at(size_t(slot)), "IMAGE"), ImageSource::Options(), "");
    return std::make_shared<gl::Texture>(image, imageSlotFormat());
}

} // namespace fraglume
