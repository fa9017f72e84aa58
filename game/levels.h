// levels.h -- role assignment, new game, level start and game over
#pragma once

void AssignRoles(int choice);
void NewGame(int choice);
void StartLevel(int choice);
void GameOver();
