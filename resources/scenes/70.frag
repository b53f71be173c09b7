// Placeholder: rotating metal plate.

void main()
{
    vec2 p = (gl_FragCoord.xy - 0.5 * iResolution.xy) / iResolution.y + iMouse.xy * 0.0001;
    float a = 0.2 * iGlobalTime;
    p = mat2(cos(a), -sin(a), sin(a), cos(a)) * p;
    vec3 c = texture2D(iChannel1, p + 0.5).rgb;
    c *= 0.6 + 0.4 * smoothstep(0.6, 0.2, length(p));
    gl_FragColor = vec4(c, 1.0);
}
