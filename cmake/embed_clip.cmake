# Turns the sound clip into a constant byte array of the program, at
# configure time (re-run when the clip changes).
function(memolux_embed_clip wave_file output_file)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${wave_file})
    file(READ ${wave_file} hex HEX)
    file(SIZE ${wave_file} size)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
    file(WRITE ${output_file}.tmp
"// Generated from resources/help_clip.wav at configure time.
#include \"help/help_clip_image.h\"

alignas(4) const unsigned char helpClipImage[${size}] = {
${bytes}
};
const std::size_t helpClipImageSize = ${size};
")
    file(COPY_FILE ${output_file}.tmp ${output_file} ONLY_IF_DIFFERENT)
    file(REMOVE ${output_file}.tmp)
endfunction()
