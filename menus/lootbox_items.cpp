#include "menus/lootbox_items.h"

#include <algorithm>

#include "frame/config_option.h"

bool LootboxItem::allowed() const
{
    return std::all_of(kinds.begin(), kinds.end(), [](ConfigOptionWrapper<bool>* kind) { return kind->get(); });
}

std::vector<LootboxItem> lootboxItems()
{
    ConfigOptionWrapper<bool>* const cats = &catsEnabled;
    ConfigOptionWrapper<bool>* const dogs = &dogsEnabled;
    ConfigOptionWrapper<bool>* const hamsters = &hamstersEnabled;
    ConfigOptionWrapper<bool>* const owls = &owlsEnabled;
    ConfigOptionWrapper<bool>* const ferrets = &ferretsEnabled;
    return {
        {"Alien1", 10, "A cat", 229, {cats}},
        {"Santa", 20, "Santa", 230, {}},
        {"PetPhoto3", 30, "A dog", 243, {dogs}},
        {"Squirrel", 30, "A squirrel", 231, {}},
        {"Marmite", 40, "Marmite on pitta bread", 236, {}},
        {"Cat1", 50, "A cat", 233, {cats}},
        {"Narwhals", 60, "Narwhals", 240, {}},
        {"CatInBin1", 70, "A cat", 232, {cats}},
        {"Owl1", 80, "An owl", 249, {owls}},
        {"Kittens2_7", 90, "A cat", 238, {cats}},
        {"PetPhoto2", 100, "A cat", 239, {cats}},
        {"Hamster1", 120, "A hamster", 255, {hamsters}},
        {"Platypus", 140, "A platypus", 245, {}},
        {"Owl2", 160, "An owl", 250, {owls}},
        {"PetPhoto1", 180, "A cat", 237, {cats}},
        {"PetPhoto8", 200, "A goldfish", 241, {}},
        {"PetPhoto9", 230, "Cat and piano", 242, {cats}},
        {"Owl3", 260, "An owl", 251, {owls}},
        {"CatFerret", 290, "Cat and ferret", 244, {cats, ferrets}},
        {"PetPhoto4", 320, "A cat", 246, {cats}},
        {"Hamster2", 350, "A hamster", 256, {hamsters}},
        {"PetPhoto6", 380, "A cat", 248, {cats}},
        {"PetPhoto7", 420, "A cat", 252, {cats}},
        {"PetPhoto10", 460, "A rabbit", 247, {}},
        {"Cat2", 500, "A cat", 234, {cats}},
        {"Hamster3", 550, "A hamster", 257, {hamsters}},
        {"Cat3", 600, "A cat", 235, {cats}},
        {"PetPhoto11", 650, "A dog", 258, {dogs}},
        {"ArtWall1", 900, "Art wall 1", 253, {}},
        {"ArtWall2", 1000, "Art wall 2", 254, {}},
    };
}
