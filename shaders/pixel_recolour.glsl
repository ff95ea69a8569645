#version 130
// Paints a player's colour into a sprite.
//  - Pixels of the base colour (or, with baseColAny, every opaque pixel) take newCol.
//  - With doDarkCol, shading greys darker than the base take newCol darkened by
//    the same ratio, so the sprite keeps its shading in the new colour.
//  - With outline, transparent pixels beside an opaque one take outlineCol.
//  - Transparent pixels and the magenta key stay transparent.
// The vertex colour tints the result as in Allegro's own shader.
uniform sampler2D al_tex;
uniform bool al_use_tex;

uniform bool enableRecolour;
uniform vec4 baseCol;
uniform vec4 newCol;
uniform bool baseColAny;
uniform bool doDarkCol;
uniform bool outline;
uniform vec4 outlineCol;
// Size of the bitmap being drawn. Its texture may be larger (small bitmaps are
// padded), so texels beyond this size are outside the sprite.
uniform float width;
uniform float height;

varying vec4 varying_color;
varying vec2 varying_texcoord;

// Half a step of an 8-bit component.
const float tolerance = 0.5 / 255.0;
const vec3 maskKey = vec3(1.0, 0.0, 1.0);

bool sameRgb(vec3 a, vec3 b)
{
    return all(lessThan(abs(a - b), vec3(tolerance)));
}

bool isTransparent(vec4 texel)
{
    return texel.a <= 0.0 || sameRgb(texel.rgb / texel.a, maskKey);
}

// Whether the texel `offset` whole texels away lies inside the sprite and is opaque.
bool opaqueAt(vec2 offset)
{
    vec2 textureSizeInTexels = vec2(textureSize(al_tex, 0));
    vec2 texel = floor(varying_texcoord * textureSizeInTexels) + offset;
    if (texel.x < 0.0 || texel.y < 0.0 || texel.x >= min(width, textureSizeInTexels.x) ||
        texel.y >= min(height, textureSizeInTexels.y))
        return false;
    return !isTransparent(texture2D(al_tex, (texel + 0.5) / textureSizeInTexels));
}

vec3 recolour(vec3 rgb)
{
    if (baseColAny || sameRgb(rgb, baseCol.rgb))
        return newCol.rgb;
    bool grey = abs(rgb.r - rgb.g) < tolerance && abs(rgb.g - rgb.b) < tolerance;
    float base = max(baseCol.r, max(baseCol.g, baseCol.b));
    if (doDarkCol && grey && rgb.r > tolerance && rgb.r < base - tolerance)
        return newCol.rgb * (rgb.r / base);
    return rgb;
}

void main()
{
    if (!al_use_tex) {
        gl_FragColor = varying_color;
        return;
    }
    vec4 texel = texture2D(al_tex, varying_texcoord);
    if (isTransparent(texel)) {
        if (outline && (opaqueAt(vec2(1.0, 0.0)) || opaqueAt(vec2(-1.0, 0.0)) ||
                        opaqueAt(vec2(0.0, 1.0)) || opaqueAt(vec2(0.0, -1.0))))
            gl_FragColor = varying_color * vec4(outlineCol.rgb, 1.0);
        else
            gl_FragColor = vec4(0.0);
        return;
    }
    // Texels are stored with premultiplied alpha.
    vec3 rgb = texel.rgb / texel.a;
    if (enableRecolour)
        rgb = recolour(rgb);
    gl_FragColor = varying_color * vec4(rgb * texel.a, texel.a);
}
