// Home page replace and restore: the client's LeagueClient\system.yaml swapped for a
// built-in template, with a one-time backup that restore copies back.
#pragma once

namespace tuner {

void on_home_page_replace();
void on_home_page_restore();

}  // namespace tuner
