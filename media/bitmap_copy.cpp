#include "media/bitmap_copy.h"

#include <allegro5/allegro_opengl.h>

#include "media/render_target.h"

bool bitmapCopyByTexture = true;

namespace {

using CopyImageSubData = void (*)(GLuint, GLenum, GLint, GLint, GLint, GLint, GLuint, GLenum, GLint, GLint,
                                  GLint, GLint, GLsizei, GLsizei, GLsizei);

// The texture copy of the current display, looked up once per display.
CopyImageSubData copyFunction()
{
    static ALLEGRO_DISPLAY* lookedUpFor = nullptr;
    static CopyImageSubData found = nullptr;
    ALLEGRO_DISPLAY* display = al_get_current_display();
    if (!display || !(al_get_display_flags(display) & ALLEGRO_OPENGL))
        return nullptr;
    if (display != lookedUpFor) {
        lookedUpFor = display;
        const bool available =
            al_get_opengl_version() >= 0x04030000 || al_have_opengl_extension("GL_ARB_copy_image");
        found = available ? reinterpret_cast<CopyImageSubData>(al_get_opengl_proc_address("glCopyImageSubData"))
                          : nullptr;
    }
    return found;
}

// A whole video bitmap: its own texture, from the texture's corner.
bool wholeTexture(ALLEGRO_BITMAP* bitmap, GLuint& texture, int& trueWidth, int& trueHeight)
{
    if (al_get_bitmap_flags(bitmap) & ALLEGRO_MEMORY_BITMAP || al_is_sub_bitmap(bitmap))
        return false;
    texture = al_get_opengl_texture(bitmap);
    int u = 0, v = 0;
    al_get_opengl_texture_position(bitmap, &u, &v);
    return texture != 0 && u == 0 && v == 0 && al_get_opengl_texture_size(bitmap, &trueWidth, &trueHeight);
}

bool copyTexture(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source)
{
    if (!bitmapCopyByTexture)
        return false;
    const CopyImageSubData copy = copyFunction();
    if (!copy)
        return false;
    const int w = al_get_bitmap_width(source), h = al_get_bitmap_height(source);
    if (w != al_get_bitmap_width(target) || h != al_get_bitmap_height(target) ||
        al_get_bitmap_format(source) != al_get_bitmap_format(target))
        return false;
    GLuint from = 0, to = 0;
    int fromW = 0, fromH = 0, toW = 0, toH = 0;
    // With equal texture sizes a bitmap's rows lie at the same texture rows in both.
    if (!wholeTexture(source, from, fromW, fromH) || !wholeTexture(target, to, toW, toH) || fromW != toW ||
        fromH != toH)
        return false;
    copy(from, GL_TEXTURE_2D, 0, 0, 0, 0, to, GL_TEXTURE_2D, 0, 0, 0, 0, fromW, fromH, 1);
    return true;
}

}

void copyBitmap(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source)
{
    if (!target || !source || target == source)
        return;
    if (copyTexture(target, source))
        return;
    ALLEGRO_STATE state;
    al_store_state(&state, ALLEGRO_STATE_BLENDER);
    setTargetBitmap(target);
    al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
    al_draw_bitmap(source, 0, 0, 0);
    al_restore_state(&state);
}
