#include "frame/program/startup.h"

#include <allegro5/allegro.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_native_dialog.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <stdexcept>

#include "controls/controls_manager.h"
#include "frame/accessibility_settings.h"
#include "frame/app_globals.h"
#include "frame/program/command_line.h"
#include "frame/config.h"
#include "frame/config_file.h"
#include "frame/config_option.h"
#include "frame/display/display.h"
#include "frame/display/display_mode_choice.h"
#include "frame/log.h"
#include "frame/message_box.h"
#include "frame/display/screen_loop.h"
#include "frame/settings.h"
#include "frame/user_data_folder.h"
#include "frame/version.h"
#include "game/draw/player_sprite_cache.h"
#include "game/round_state.h"
#include "media/fonts.h"
#include "media/recolour_shader.h"
#include "media/render_target.h"
#include "media/sound.h"
#include "media/sprites.h"
#include "media/text.h"
#include "menus/menu_layout.h"
#include "game/game_options.h"
#include "session/update_rate.h"

namespace {

const char* const splashCaption = "ZEV presents";
const char* const supportAddress = "support@tamwick.org";

void installAllegro()
{
    log("Allegro init\n");
    if (!al_install_system(0x05020800, atexit))
        throw std::runtime_error("al_install_system failed");
    log("Registering trace handler\n");
    al_register_trace_handler(traceHandler);
    al_init_image_addon();
    if (!al_install_keyboard())
        log("Warning: no keyboard could be installed\n");
    eventQueue = al_create_event_queue();
    al_init_primitives_addon();
}

void loadConfiguration()
{
    log("Getting config settings\n");
    try {
        configPath = getUserDataFolder() + "/tamwick.cfg";
    } catch (const std::filesystem::filesystem_error& error) {
        // The start-up warning has told the player: the settings live in
        // memory only, and nothing tries to save them.
        configPath.clear();
        logStdString("Settings are not kept: there is no data folder: " + folderProblem(error) + "\n");
    }
    openConfigFile();
}

void showSplash()
{
    ALLEGRO_BITMAP* backbuffer = backbufferBitmap->bitmap;
    drawText(backbuffer, font64, backbufferBitmap->width() / 2, backbufferBitmap->height() / 2 - 80,
             al_map_rgb(255, 255, 255), splashCaption, ALLEGRO_ALIGN_CENTRE);
    al_flip_display();
    al_rest(1.5);
}

void clearToBlack(const BitmapPtr& bitmap)
{
    if (!bitmap || !bitmap->bitmap)
        return;
    setTargetBitmap(bitmap->bitmap);
    al_clear_to_color(al_map_rgb(0, 0, 0));
}

void startUpdateTimer()
{
    pendingUpdates = 0;
    timerTicks = 0;
    setUpdateRate(gameOptions.updateRate);
    twoSecondFrameCount = gameOptions.updateRate * 2;
}

}

void fillDefaultColours()
{
    defaultColours = {{255, 0, 0},     {0, 0, 255},     {0, 255, 0},     {255, 255, 0},
                      {0, 255, 255},   {255, 0, 255},   {255, 128, 128}, {128, 255, 128},
                      {128, 128, 255}, {96, 96, 96}};
    colours = defaultColours;
}

std::string supportLine()
{
    if (logFilePath.empty())
        return std::string("No log file could be written; please write to ") + supportAddress +
               " and say what happened";
    return "Please send " + logFilePath + " to " + supportAddress;
}

int init(int argc, char** argv)
{
    log("SteamListener init\n");
    clearQuitRequest();
    delete inputBlockFlag;
    inputBlockFlag = new std::uint8_t(0);

    installAllegro();
    log("Tamwick %s Compiled on %s at %s\n", versionString(currentVersion).c_str(), __DATE__,
        __TIME__);

    loadConfiguration();
    StartupSettings settings = readStartupSettings();
    gameOptions.updateRate = settings.updateRate;
    steamInputEnabled = false;
    if (autoLoad.get())
        AccessibilitySettings::load(accessibilitySettings);

    parseCommandLine(argc, argv);

    installSound(settings.soundEffectsVolume, settings.musicVolume);
    std::srand(unsigned(std::time(nullptr)));

    DisplayModeChoice mode = detectDisplayMode(settings.width, settings.height, settings.windowed);
    setVideoMode(mode.width, mode.height, mode.windowed, settings.display);
    clearToBlack(screenBitmap);
    clearToBlack(backbufferBitmap);

    loadBitmaps(std::nullopt);
    createShaders();
    al_init_font_addon();
    al_init_ttf_addon();
    loadFonts();
    fillMenuLayouts();

    showSplash();

    controlsManager.reset();
    controlsManager = std::make_unique<ControlsManager>();

    startUpdateTimer();
    fillDefaultColours();
    return 0;
}

void shutdown()
{
    log("Shut down sound\n");
    shutdownSound();
    log("Destroying shaders\n");
    destroyShaders();
    log("Destroying bitmaps\n");
    // Players hold flying sprites drawn from the sprite cache; they go first.
    resetRoundState();
    clearPlayerSpriteCache();
    screenBitmap.reset();
    backbufferBitmap.reset();
    destroySprites();
    destroyFonts();
    controlsManager.reset();
    if (updateTimer) {
        al_destroy_timer(updateTimer);
        updateTimer = nullptr;
    }
    log("Closing log file\n");
    closeLogFile();
}
