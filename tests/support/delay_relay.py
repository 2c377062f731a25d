#!/usr/bin/env python3
"""A slow link for tests: relays one TCP connection at a time to a target on the
loopback, holding back every chunk in each direction for a delay (fixed, or drawn
at random between two bounds), in order, as a device server across a site network
or a VPN does. Prints "tcp://127.0.0.1:PORT" once listening; ends with its parent
or on SIGTERM.

    delay_relay.py --target 127.0.0.1:40123 --delay-ms 125
    delay_relay.py --target 127.0.0.1:40123 --delay-ms 40-150 --seed 7
"""
import argparse
import asyncio
import os
import random
import signal
import sys


def parse_delay(text):
    low, _, high = text.partition("-")
    low = int(low)
    return low, int(high) if high else low


async def pipe(reader, writer, delay, rng):
    """Copies reader to writer, each chunk sent `delay` ms after it came, never
    before the chunk ahead of it."""
    loop = asyncio.get_running_loop()
    queue = asyncio.Queue()
    last_due = 0.0

    async def sender():
        while True:
            due, data = await queue.get()
            if data is None:
                break
            wait = due - loop.time()
            if wait > 0:
                await asyncio.sleep(wait)
            writer.write(data)
            await writer.drain()
        writer.close()

    task = asyncio.create_task(sender())
    try:
        while True:
            data = await reader.read(4096)
            due = max(loop.time() + rng.uniform(*delay) / 1000.0, last_due)
            last_due = due
            await queue.put((due, data or None))
            if not data:
                break
    except ConnectionError:
        await queue.put((last_due, None))
    try:
        await task
    except ConnectionError:
        pass


async def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--target", required=True)
    parser.add_argument("--delay-ms", type=parse_delay, default=(0, 0))
    parser.add_argument("--seed", type=int, default=None)
    args = parser.parse_args()
    host, _, port = args.target.rpartition(":")
    rng = random.Random(args.seed)

    async def serve(client_reader, client_writer):
        try:
            panel_reader, panel_writer = await asyncio.open_connection(host, int(port))
        except OSError:
            client_writer.close()
            return
        await asyncio.gather(pipe(client_reader, panel_writer, args.delay_ms, rng),
                             pipe(panel_reader, client_writer, args.delay_ms, rng))

    server = await asyncio.start_server(serve, "127.0.0.1", 0)
    print("tcp://127.0.0.1:%d" % server.sockets[0].getsockname()[1], flush=True)
    parent = os.getppid()
    while os.getppid() == parent:
        await asyncio.sleep(0.5)


if __name__ == "__main__":
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    try:
        asyncio.run(main())
    except KeyboardInterrupt:
        pass
