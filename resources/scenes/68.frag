// Brick passage: a flight down a winding brick tunnel whose cross section
// breathes between round and square. Torches ride the walls, noise stains the
// bricks, and at the far end the motif glows through a portal that grows as
// we close in on it.

#ifdef GL_ES
precision mediump float;
#endif

float noise(vec2 uv)
{
    return texture2D(iChannel0, uv).r;
}

void main()
{
    float t = iGlobalTime;
    vec2 p = (2.0 * gl_FragCoord.xy - iResolution.xy) / iResolution.y;

    // The tunnel's vanishing point wanders; a pressed mouse pulls it along.
    vec2 m = iMouse.z > 0.0 ? (iMouse.xy / iResolution.xy - 0.5) * 0.6 : vec2(0.0);
    vec2 centre = 0.18 * vec2(sin(t * 0.45), cos(t * 0.37)) + m;
    vec2 q = p - centre;

    // Distance in a superellipse norm: exponent 2 is a round tube, 8 nearly square.
    float shape = mix(2.0, 7.0, 0.5 + 0.5 * sin(t * 0.6 + 1.0));
    vec2 aq = abs(q) + 1e-4;
    float r = pow(pow(aq.x, shape) + pow(aq.y, shape), 1.0 / shape);
    float a = atan(q.y, q.x);

    float depth = 0.55 / r;
    float speed = 1.6 + 0.8 * smoothstep(0.0, 8.0, t);
    float v = depth + t * speed;
    // A twist that drifts along the tunnel makes it feel like it bends.
    float ang = a / 6.2831853 + 0.08 * sin(v * 0.35 + t * 0.5);

    vec2 uv = vec2(ang * 3.0, v * 0.5);
    // Bricks: colour from the picture, bump from its brightness.
    vec3 brick = texture2D(iChannel2, uv).rgb;
    float h0 = dot(brick, vec3(0.333));
    float hx = dot(texture2D(iChannel2, uv + vec2(0.002, 0.0)).rgb, vec3(0.333));
    float hy = dot(texture2D(iChannel2, uv + vec2(0.0, 0.002)).rgb, vec3(0.333));
    vec2 bump = vec2(hx - h0, hy - h0) * 14.0;

    // Grime and damp patches from the noise picture.
    float n1 = noise(uv * 0.35 + vec2(0.0, 0.1));
    float n2 = noise(uv * 1.7);
    float damp = smoothstep(0.45, 0.75, n1);
    vec3 wall = brick * mix(vec3(1.0), vec3(0.45, 0.5, 0.55), damp) * (0.75 + 0.5 * n2);

    // Torches: rings of warm light spaced along the tunnel, flickering with noise.
    float ringPhase = fract(v * 0.25);
    float torch = exp(-40.0 * (ringPhase - 0.5) * (ringPhase - 0.5));
    float flicker = 0.75 + 0.5 * noise(vec2(floor(v * 0.25) * 0.13, t * 0.7));
    float side = 0.5 + 0.5 * cos(a * 2.0 + floor(v * 0.25));
    vec3 light = vec3(1.0, 0.62, 0.3) * torch * flicker * (0.6 + side);

    // Light from the portal grows along the view direction.
    float shade = 0.55 + 0.45 * dot(normalize(vec3(-q + bump, 1.0)), normalize(vec3(-q * 0.3, 1.0)));
    vec3 col = wall * (light * 1.6 + vec3(0.22, 0.24, 0.3)) * shade;
    col += vec3(0.9, 0.5, 0.2) * pow(max(bump.x + bump.y, 0.0), 2.0) * torch * 0.3;

    // Fog towards the far end.
    float fog = exp(-0.13 * depth);
    vec3 fogCol = vec3(0.55, 0.4, 0.55);

    // The portal: the motif framed in a disc that swells over the flight.
    float grow = mix(0.09, 0.36, smoothstep(0.0, 10.0, t) * smoothstep(0.0, 10.0, t));
    vec2 pq = q / grow;
    float pr = length(pq);
    vec2 puv = pq * vec2(0.36, 0.48) + 0.5;
    puv += 0.01 * vec2(sin(t * 2.0 + pq.y * 6.0), cos(t * 1.7 + pq.x * 6.0));
    vec3 motif = texture2D(iChannel1, vec2(puv.x, 1.0 - puv.y)).rgb * 1.1;
    col = mix(fogCol * 0.8, col, fog);
    col += fogCol * 0.4 * exp(-r * 5.0);
    float portal = (1.0 - smoothstep(0.95, 1.0, pr));
    col = mix(col, motif, portal);
    col += vec3(1.0, 0.8, 0.6) * (1.0 - smoothstep(0.0, 0.15, abs(pr - 1.0))) * 0.5;

    col *= 1.0 - 0.35 * dot(p * 0.5, p * 0.5);
    gl_FragColor = vec4(clamp(col, 0.0, 1.0), 1.0);
}
