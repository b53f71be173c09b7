// Night planet: from orbit we drift over a world whose seas and ice fields are
// the alien panorama's glowing shallows, while its night side is strewn with
// the lit windows of the city picture. The panorama's own sky, ringed giant
// and moons included, turns slowly behind it. Over the scene the terminator
// sweeps across the globe, the cities come on one by one, and the sun finally
// rises over the limb.

const float PI = 3.14159265;

float hash21(vec2 p)
{
    p = fract(p * vec2(123.34, 456.21));
    p += dot(p, p + 45.32);
    return fract(p.x * p.y);
}

mat3 rotY(float a)
{
    float c = cos(a), s = sin(a);
    return mat3(c, 0.0, -s, 0.0, 1.0, 0.0, s, 0.0, c);
}

mat3 rotX(float a)
{
    float c = cos(a), s = sin(a);
    return mat3(1.0, 0.0, 0.0, 0.0, c, s, 0.0, -s, c);
}

// The panorama's sky, wrapped around the viewer. Its peaks and sea would not
// belong in orbit: below the sky the horizon glow is stretched down instead.
vec3 sky(vec3 rd, float yaw)
{
    float u = atan(rd.x, -rd.z) * 1.5 / PI + yaw;
    float e = asin(clamp(rd.y, -1.0, 1.0));
    float v = 0.31 - e * 0.55;
    vec3 pano = texture2D(iChannel2, vec2(u, max(v, 0.005))).rgb;
    vec3 horizon = vec3(0.16, 0.36, 0.52);
    return mix(pano, horizon, smoothstep(0.32, 0.37, v));
}

void main()
{
    float t = iGlobalTime;
    vec2 uv = (2.0 * gl_FragCoord.xy - iResolution.xy) / iResolution.y;

    // Camera: a slow drift, nudged by the mouse while it is pressed.
    vec2 m = vec2(0.0);
    if (iMouse.z > 0.0)
        m = (iMouse.xy / iResolution.xy - 0.5) * vec2(0.5, 0.3);
    float yaw = 0.06 * sin(t * 0.11) + m.x;
    float pitch = 0.02 * sin(t * 0.17) + m.y;
    mat3 cam = rotY(yaw) * rotX(pitch);
    vec3 rd = cam * normalize(vec3(uv, -1.7));
    vec3 ro = vec3(0.0);

    float skyYaw = 0.3 - t * 0.006;

    // The globe sits below the horizon line of the view.
    vec3 Cd = normalize(vec3(0.0, -0.79, -0.62));
    float D = 8.0, R = 6.55;
    vec3 C = Cd * D;
    float limb = asin(R / D);

    // The sun, placed by its angle from the globe's centre as seen from us and
    // its bearing around it: first beside us (the globe half lit), then it
    // sets behind the upper left limb, and rises over the right limb at last.
    float p = t / 18.0;
    float alpha = mix(2.2, limb - 0.12, smoothstep(0.0, 0.6, p)) + 0.2 * smoothstep(0.6, 1.0, p);
    float phi = mix(-0.75, 0.32, p);
    vec3 U = normalize(cross(cross(Cd, vec3(0.0, 1.0, 0.0)), Cd));
    vec3 V = normalize(cross(Cd, U));
    vec3 sunDir = normalize(Cd * cos(alpha) + (U * cos(phi) - V * sin(phi)) * sin(alpha));

    vec3 oc = ro - C;
    float b = dot(oc, rd);
    float c = dot(oc, oc) - R * R;
    float h = b * b - c;

    vec3 col;
    if (h > 0.0) {
        float dist = -b - sqrt(h);
        vec3 p = ro + rd * dist;
        vec3 n = normalize(p - C);

        // Surface coordinates on the turning globe (tilted axis).
        vec3 q = rotY(t * 0.045 + 1.2) * rotX(0.35) * n;
        float lon = atan(q.x, q.z) / (2.0 * PI);
        float lat = asin(q.y) / PI;

        // Seas and ice fields: the panorama's glowing shallows, tiled.
        vec2 suv = vec2(lon * 7.0, 0.66 + 0.3 * abs(fract(lat * 9.7) * 2.0 - 1.0));
        vec3 surf = texture2D(iChannel2, suv).rgb;
        // The glowing shallows are lakes; the dark mottled ground is land.
        float land = 1.0 - smoothstep(0.45, 0.65, surf.g - surf.r * 0.5 + 0.1);
        vec3 dayCol = mix(vec3(0.2, 0.75, 0.65), vec3(0.12, 0.2, 0.16) + surf * 0.4, land);
        dayCol = mix(dayCol, surf * vec3(0.7, 0.9, 1.1), 0.35);

        // Cloud bands drifting at their own speed, from the same picture.
        float cl = texture2D(iChannel2, vec2(lon * 2.0 + t * 0.004, 0.8 + lat * 0.3)).b;
        cl = smoothstep(0.45, 0.8, cl) * 0.55;

        float diff = dot(n, sunDir);
        float day = smoothstep(-0.12, 0.25, diff);
        vec3 lit = (dayCol * (1.0 - cl) + cl * vec3(0.95)) * max(diff, 0.0) * 1.6;

        // Ocean glint.
        vec3 hv = normalize(sunDir - rd);
        float spec = pow(max(dot(n, hv), 0.0), 60.0) * (1.0 - land) * (1.0 - cl);
        lit += vec3(1.0, 0.85, 0.6) * spec * 0.6 * step(0.0, diff);

        // City lights: the windows of the skyline picture, tiled over the land.
        vec2 cuv = vec2(lon * 20.0, 0.4 + fract(lat * 90.0) * 0.22);
        vec3 city = texture2D(iChannel1, cuv).rgb;
        float lum = dot(city, vec3(0.3, 0.5, 0.2));
        // Where people live: a coarse reading of the same lakes picture.
        float density = smoothstep(0.25, 0.45, texture2D(iChannel2, vec2(lon * 3.0 + 0.3, 0.7 + 0.25 * abs(fract(lat * 4.0) * 2.0 - 1.0))).g);
        // Each district switches on at dusk, at its own moment.
        vec2 cell = floor(vec2(lon * 20.0, lat * 90.0));
        float on = smoothstep(0.0, 0.6, t * 0.09 + 0.25 - hash21(cell) * 0.55);
        float lights = smoothstep(0.2, 0.6, lum) * land * density * (1.0 - day) * (1.0 - cl * 0.8) * on;
        vec3 night = city * lights * 2.6 + vec3(0.9, 0.55, 0.25) * lights * 0.5;

        col = lit + night;
        // Earthshine keeps the night side readable.
        col += dayCol * 0.08 * (1.0 - day);

        // Atmosphere: thin blue rim, orange along the terminator.
        float fr = pow(1.0 - max(dot(n, -rd), 0.0), 3.0);
        vec3 atm = mix(vec3(1.0, 0.45, 0.2), vec3(0.3, 0.6, 1.0), smoothstep(-0.1, 0.4, diff));
        col += atm * fr * smoothstep(-0.35, 0.1, diff) * 1.3;
    } else {
        col = sky(rd, skyYaw);
        // Atmosphere halo just outside the limb.
        float miss = sqrt(max(dot(oc, oc) - b * b, 0.0)) - R;
        float halo = exp(-miss * 9.0) * step(b, 0.0);
        vec3 hp = normalize(oc - rd * b);
        float hl = smoothstep(-0.4, 0.3, dot(hp, sunDir));
        col += mix(vec3(1.0, 0.4, 0.15), vec3(0.35, 0.6, 1.0), hl) * halo * (0.25 + 0.9 * hl);

        // The sun itself, with a soft corona.
        float s = max(dot(rd, sunDir), 0.0);
        col += vec3(1.0, 0.9, 0.7) * (pow(s, 2000.0) * 4.0 + pow(s, 200.0) * 0.3);
    }

    // Glare while the sun sits on the limb: the sunset and the sunrise.
    float graze = exp(-abs(alpha - limb) * 18.0);
    vec3 sv = sunDir * cam;
    vec2 sunScreen = sv.xy / max(-sv.z, 0.05) * 1.7;
    float d = length(uv - sunScreen);
    col += vec3(1.0, 0.75, 0.45) * graze * (0.04 / (d + 0.04)) * 0.7;
    // A thin horizontal streak, the lens's answer to the sun.
    col += vec3(0.6, 0.7, 1.0) * graze * exp(-abs(uv.y - sunScreen.y) * 50.0) * exp(-abs(uv.x - sunScreen.x) * 1.2) * 0.6;

    // A soft vignette.
    col *= 1.0 - 0.25 * dot(uv * 0.5, uv * 0.5);
    col = pow(col, vec3(0.9));
    gl_FragColor = vec4(col, 1.0);
}
