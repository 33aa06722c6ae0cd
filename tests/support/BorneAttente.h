#pragma once
// Every wait of the tests is for the event itself (a state, a file, a process's answer), given up
// only after this long: a loaded machine takes seconds, only a broken program a minute.
inline constexpr int BorneAttenteMs = 60000;
