#include "game/powerup_pools.h"

#include "frame/game_ids.h"

using namespace PowerupType;

const std::map<int, int> normalPowerupPool{
    {Bomb, 70},       {Range, 40},          {Speed, 50},          {Controller, 5},
    {Timebomb, 5},    {Ghost, 10},          {Shield, 20},         {Cash, 20},
    {Superman, 10},   {Stop, 1},            {Snail, 5},           {Snake, 1},
    {Annhiliator, 2}, {Flamethrower, 1},    {RocketLauncher, 1},  {QuestionShield, 8},
    {QuestionGhost, 4}, {QuestionStop, 1},  {QuestionFastIgnition, 4}, {UltraBomb, 1}};

const std::map<int, int> auctionPowerupPool{
    {Bomb, 20},       {Range, 20},       {Speed, 30},          {Controller, 5},
    {Timebomb, 5},    {Ghost, 5},        {Shield, 20},         {Superman, 5},
    {Stop, 1},        {Snail, 5},        {Snake, 1},           {Annhiliator, 2},
    {Flamethrower, 1}, {RocketLauncher, 1}, {QuestionFastIgnition, 4}, {UltraBomb, 2}};

// In Snake Hunter the remote control is rare.
const std::map<int, std::map<int, int>> modePowerupWeights{
    {GameMode::SnakeHunter, {{Controller, 1}}}};
