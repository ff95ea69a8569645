#include "media/recolour_shader.h"

#include <sstream>
#include <stdexcept>
#include <string>

#include "frame/game_files.h"
#include "frame/log.h"
#include "media/present_shader.h"
#include "media/render_target.h"

ALLEGRO_SHADER* recolourShader = nullptr;
bool recolourActive = false;

namespace {

const char* const vertexShaderFile = "shaders/vertex.glsl";
const char* const pixelShaderFile = "shaders/pixel_recolour.glsl";

void setColourUniform(const char* name, const ALLEGRO_COLOR& colour)
{
    const float value[4] = {colour.r, colour.g, colour.b, 1.0f};
    al_set_shader_float_vector(name, 4, value, 1);
}

std::string shaderFailure(const char* what, const char* file)
{
    const std::string shaderLog = al_get_shader_log(recolourShader);
    std::ostringstream s;
    s << what << shaderLog;
    // A file that cannot be opened leaves the shader log empty or naming it
    // (a compile error does neither): name the file and where it was looked for.
    if (file && (shaderLog.empty() || shaderLog.find(file) != std::string::npos))
        s << (shaderLog.empty() ? file : "") << inWorkingFolder();
    return s.str();
}

bool isVideoBitmap(ALLEGRO_BITMAP* bitmap)
{
    return bitmap && !(al_get_bitmap_flags(bitmap) & ALLEGRO_MEMORY_BITMAP);
}

// The settings of the last setRecolour, sent again whenever the shader is bound
// to another target (the first target may not have been able to take it).
RecolourSettings activeSettings;

void sendSettings(const RecolourSettings& settings)
{
    al_set_shader_bool("enableRecolour", settings.newCol.has_value());
    if (settings.newCol) {
        setColourUniform("baseCol", settings.baseCol);
        setColourUniform("newCol", *settings.newCol);
    }
    al_set_shader_bool("baseColAny", settings.baseColAny);
    al_set_shader_bool("doDarkCol", settings.doDarkCol);
    al_set_shader_bool("outline", settings.outlineCol.has_value());
    if (settings.outlineCol)
        setColourUniform("outlineCol", *settings.outlineCol);
}

}

void createShaders()
{
    destroyShaders();
    recolourShader = al_create_shader(ALLEGRO_SHADER_AUTO);
    if (!recolourShader)
        throw std::runtime_error("Could not create shader");
    if (!al_attach_shader_source_file(recolourShader, ALLEGRO_VERTEX_SHADER, vertexShaderFile))
        throw std::runtime_error(
            shaderFailure("al_attach_shader_source_file failed: ", vertexShaderFile));
    if (!al_attach_shader_source_file(recolourShader, ALLEGRO_PIXEL_SHADER, pixelShaderFile)) {
        std::string message = shaderFailure("al_attach_shader_source_file failed: ", pixelShaderFile);
        logStdString(message + "\n");
        throw std::runtime_error(message);
    }
    if (!al_build_shader(recolourShader)) {
        std::string message = shaderFailure("al_build_shader failed: ", nullptr);
        logStdString(message + "\n");
        throw std::runtime_error(message);
    }
    createPresentShader();
}

void destroyShaders()
{
    destroyPresentShader();
    recolourActive = false;
    if (!recolourShader)
        return;
    al_destroy_shader(recolourShader);
    recolourShader = nullptr;
}

void setRecolour(const RecolourSettings& settings)
{
    // The shader binds to Allegro's actual target; make sure the cached one agrees.
    if (al_get_target_bitmap() != currentTargetBitmap())
        resetTargetCache();
    if (isVideoBitmap(al_get_target_bitmap()))
        al_use_shader(recolourShader);
    sendSettings(settings);
    activeSettings = settings;
    recolourActive = true;
}

void useShader()
{
    if (isVideoBitmap(al_get_target_bitmap()))
        al_use_shader(nullptr);
    recolourActive = false;
}

void setRecolourSourceSize(int width, int height)
{
    al_set_shader_float("width", float(width));
    al_set_shader_float("height", float(height));
}

void bindShaderToTarget()
{
    // Without a shader every bitmap draws with Allegro's default one; memory
    // bitmaps take no shader at all.
    if (!recolourShader || !isVideoBitmap(al_get_target_bitmap()))
        return;
    if (!recolourActive) {
        al_use_shader(nullptr);
        return;
    }
    al_use_shader(recolourShader);
    sendSettings(activeSettings);
}
