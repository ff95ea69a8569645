#pragma once

// Named values of the game's vocabulary. Each is the index of its name in the
// name tables, and many are stored in replays and configuration files, so the
// numbers never change.

namespace GameMode {
inline constexpr int Classic = 0;
inline constexpr int CaptureTheFlag = 1;
inline constexpr int BattleRoyale = 2;
inline constexpr int KingOfTheHill = 3;
inline constexpr int SnakeHunter = 4;
inline constexpr int Deathmatch = 5;
inline constexpr int Everything = 6;
}

namespace PowerupType {
inline constexpr int None = 0;
inline constexpr int Bomb = 1;
inline constexpr int Range = 2;
inline constexpr int Speed = 3;
inline constexpr int Controller = 4;
inline constexpr int Timebomb = 5;
inline constexpr int Ghost = 6;
inline constexpr int Shield = 7;
inline constexpr int Cash = 8;
inline constexpr int Death = 9;
inline constexpr int Superman = 10;
inline constexpr int Stop = 11;
inline constexpr int Snail = 12;
inline constexpr int Snake = 13;
inline constexpr int Annhiliator = 14;
inline constexpr int Flamethrower = 15;
inline constexpr int RocketLauncher = 16;
inline constexpr int QuestionShield = 17;
inline constexpr int QuestionGhost = 18;
inline constexpr int QuestionStop = 19;
inline constexpr int QuestionFastIgnition = 20;
inline constexpr int UltraBomb = 21;
inline constexpr int Count = 22;
}

namespace DeathCause {
inline constexpr int Explosion = 0;
inline constexpr int PushedWall = 1;
inline constexpr int Wall = 2;
inline constexpr int Eaten = 3;
inline constexpr int BonusDeath = 4;
inline constexpr int SnakeHeadCollision = 5;
inline constexpr int SnakeBodyHitByExplosion = 6;
inline constexpr int SnakeBodyHitByAppearingWall = 7;
inline constexpr int SnakeHeadPushedWall = 8;
inline constexpr int SnakeBodyPushedWall = 9;
}

namespace SoundId {
inline constexpr int Beat2 = 0;
inline constexpr int Blart = 1;
inline constexpr int Cash2 = 2;
inline constexpr int CrapDing = 3;
inline constexpr int Explosion1 = 4;
inline constexpr int Fire = 5;
inline constexpr int Flamer = 6;
inline constexpr int FX012 = 7;
inline constexpr int HitBass = 8;
inline constexpr int Gong2 = 9;
inline constexpr int Pickup_Anh = 10;
inline constexpr int Plugin = 11;
inline constexpr int Rocket = 12;
inline constexpr int Slide = 13;
inline constexpr int Snake = 14;
inline constexpr int Splurge = 15;
inline constexpr int Strength = 16;
inline constexpr int Wimbaah = 17;
}

namespace SpriteId {
inline constexpr int Zev = 0;
inline constexpr int Crest = 1;
inline constexpr int Trophy = 2;
inline constexpr int FirstBombFuse = 3;     // "Bomb1": a fresh fuse
inline constexpr int LastBombFuse = 23;     // "Bomb21": about to go off
inline constexpr int Explo1 = 24;
inline constexpr int Explo2 = 25;
inline constexpr int Explo3 = 26;
inline constexpr int Explo1A = 27;
inline constexpr int Explo2A = 28;
inline constexpr int Explo3A = 29;
inline constexpr int RocketLeft = 30;
inline constexpr int RocketRight = 31;
inline constexpr int RocketUp = 32;
inline constexpr int RocketDown = 33;
inline constexpr int TitleLogo = 34;
inline constexpr int Snail = 35;
inline constexpr int SnailDown = 36;
inline constexpr int FirstFlag = 54;        // "Flag0" .. "Flag5"
inline constexpr int FlagFrameCount = 6;
inline constexpr int Block3 = 62;
inline constexpr int Block4 = 63;
inline constexpr int Wall3 = 64;
inline constexpr int W3NDth1 = 65;
inline constexpr int W3NDth2 = 66;
inline constexpr int Wall3CrumbleNew = 67;
inline constexpr int Wall3CrumbleNew2 = 68;
inline constexpr int Wall3CrumbleNewDeath = 69;
inline constexpr int Wall3CrumbleNewDeath2 = 70;
inline constexpr int Wall3CrumbleNewDeath3 = 71;
inline constexpr int Wall3CrumbleNewDeath4 = 72;
inline constexpr int BodyCrawl0 = 95;       // "Body0_Crawl_R_0"
inline constexpr int FirstPhoto = 229;      // the loot-box photographs run to the last sprite
}
