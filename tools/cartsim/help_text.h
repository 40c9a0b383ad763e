#pragma once
// The text of "cartsim --help".

namespace cartsim {

inline constexpr const char* kHelpText = R"(Usage: cartsim [options]
Plays a Pocketforge cartridge (VeldaOS shell, two file areas, monitor mode)
on a new pseudo-terminal or on a serial device, until interrupted (Ctrl-C,
SIGTERM or SIGHUP). The device path (the pseudo-terminal's, or the one of
--device) is printed on the first line of standard output once the
cartridge is ready; messages go to standard error. Exit code 0 after a stop, 1 when the start fails.

Line:
  --link PATH          also make PATH a symbolic link to the pseudo-terminal;
                       it appears when the cartridge is ready (scripts can
                       wait for it) and is removed on exit. An existing
                       symbolic link is replaced, any other file is refused.
  --device PATH        play on the serial device PATH (raw, 8N1, no flow
                       control) instead of a pseudo-terminal.
  --baud N             line speed in bits per second. On a pseudo-terminal
                       both directions are paced at 10 bits per byte, as on
                       a real wire; without --baud it is not paced. On a
                       device it sets the device's speed (default 38400).

Storage:
  --rom0-blocks N      capacity of /rom0 in 128-byte blocks (default 3072).
  --ram0-blocks N      capacity of /ram0 in 128-byte blocks (default 1024).
                       An entry occupies its length rounded up to whole
                       blocks, header included. /rom0 is flash: blocks of
                       deleted or replaced entries stay used until
                       "defrag rom0". /ram0 frees them at once.
  --seed-rom0 DIR      store every *.vx file of DIR into /rom0, in file-name
                       order (repeatable). A name the area already holds is
                       skipped; a file that is no entry is an error.
  --seed-ram0 DIR      the same for /ram0.
  --state FILE         load the cartridge's files and clock from FILE when it
                       exists (before seeding), and save them to FILE after
                       every change and on exit.

Monitor mode (no shell; one XMODEM transfer after another):
  --recv-system FILE   "Recv System": receive images into FILE (each good
                       transfer replaces it; at most 4 MB; the file keeps
                       the sender's filler up to a whole 128-byte block).
  --send-system FILE   "Send System": send FILE to each receiver that asks.

Faults (each applies to every command or transfer; blocks count from 1 in
each transfer):
  --silent-after N         send nothing more after N bytes in all.
  --silent-before-final W  leave out the final line of every command whose
                           first word is W ("*": every command).
  --cancel-at-block K      send CAN CAN in place of block K (as sender) or of
                           its ACK (as receiver); the reply ends with
                           "426 TRANSFER ABORTED".
  --nak-block K[:N]        as receiver, answer a good block K with NAK N times
                           (default 1) before taking it.
  --corrupt-block K[:N]    as sender, send block K with one wrong data byte
                           N times (default 1) before sending it right.
  --close-at-block K       close the line at block K of a transfer and stop.
  --after-reply BYTES      send BYTES unasked right after every final line
                           (escapes \r \n \t \\ \xHH).
  --can-before-reply       send CAN CAN ahead of every reply line.
  --cr-in-line             put a CR in the middle of every reply line that is
                           not a final line.
  --echo-always            keep echoing command lines after "stty -echo".
  --pause SECONDS          wait SECONDS (fractions allowed) before every
                           final line.

Shell: commands end with CR; replies end with CR LF. Commands: HELO, stty
-echo / stty echo, ls -l AREA, df, date, date yyyymmddhhnn.ss, get "PATH",
put AREA, delete "PATH", rename "PATH" "NAME", setinfo "PATH" "TEXT",
defrag AREA, newfs AREA (AREA: /rom0, /ram0, rom0 or ram0; PATH: /rom0/NAME
or /ram0/NAME). Final lines: "200 OK"; "450 NOT AVAILABLE" for a missing
file or area and for a name that is taken (put, rename); "452 FS FULL" when
the area has no room; "451 LOCAL ERR" for a received file that is no entry
or a name the cartridge cannot take (empty, over 16 bytes, "/", '"' or
control bytes); "426 TRANSFER ABORTED" after a cancelled or failed transfer;
"501 SYNTAX ERR" for wrong arguments, an open quote, a bad clock setting or
a line over 511 bytes; "504 NOT IMPLEMENTED" for unknown commands. "ls -l"
lines: name padded to 16 bytes, mode ("xwrmsild", "-" for a clear bit) from
byte 17, entry length in bytes (header included), date yy-mm-dd and time
hh:mm of the entry's time stamp, description from byte 50. setinfo cuts a
description to 24 bytes without splitting a Shift-JIS character.

  --help               show this text and exit.
  --version            show the version and exit.
)";

} // namespace cartsim
