#include "media/present_shader.h"

#include <string>

#include "frame/log.h"
#include "media/bitmap_draw.h"
#include "media/recolour_shader.h"
#include "media/render_target.h"

namespace {

ALLEGRO_SHADER* presentShader = nullptr;

// Allegro binds its attributes and uniforms by these names.
const char* const vertexSource = R"(#version 130
attribute vec4 al_pos;
attribute vec2 al_texcoord;
uniform mat4 al_projview_matrix;
varying vec2 varying_texcoord;
void main()
{
    varying_texcoord = al_texcoord;
    gl_Position = al_projview_matrix * al_pos;
}
)";

const char* const pixelSource = R"(#version 130
uniform sampler2D al_tex;
varying vec2 varying_texcoord;
void main()
{
    gl_FragColor = texture2D(al_tex, varying_texcoord);
}
)";

}

void createPresentShader()
{
    destroyPresentShader();
    if (!al_get_current_display())
        return;
    ALLEGRO_SHADER* shader = al_create_shader(ALLEGRO_SHADER_GLSL);
    if (!shader) {
        log("Present shader not created; presenting with the default shader\n");
        return;
    }
    if (!al_attach_shader_source(shader, ALLEGRO_VERTEX_SHADER, vertexSource) ||
        !al_attach_shader_source(shader, ALLEGRO_PIXEL_SHADER, pixelSource) || !al_build_shader(shader)) {
        logStdString(std::string("Present shader failed, presenting with the default shader: ") +
                     al_get_shader_log(shader) + "\n");
        al_destroy_shader(shader);
        return;
    }
    presentShader = shader;
}

void destroyPresentShader()
{
    if (!presentShader)
        return;
    // No bitmap keeps it: drawBitmapScaledPlain gives the target its shader back.
    al_destroy_shader(presentShader);
    presentShader = nullptr;
}

bool presentShaderReady()
{
    return presentShader != nullptr;
}

void drawBitmapScaledPlain(ALLEGRO_BITMAP* target, ALLEGRO_BITMAP* source, int sx, int sy, int sw,
                           int sh, int dx, int dy, int dw, int dh)
{
    if (!presentShader || !target || !source || (al_get_bitmap_flags(target) & ALLEGRO_MEMORY_BITMAP) ||
        (al_get_bitmap_flags(source) & ALLEGRO_MEMORY_BITMAP)) {
        drawBitmapScaled(target, source, sx, sy, sw, sh, dx, dy, dw, dh);
        return;
    }
    setTargetBitmap(target);
    al_use_shader(presentShader);
    drawBitmapScaled(target, source, sx, sy, sw, sh, dx, dy, dw, dh);
    // Back to the shader the target had: the default, or the recolour shader.
    bindShaderToTarget();
}
